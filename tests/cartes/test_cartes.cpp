#include "cartes/aleatoire.h"
#include "cartes/carte.h"

#include <gtest/gtest.h>

using namespace quarvel;

TEST(Cartes, PointsDesCartesSpeciales) {
    EXPECT_EQ(pointsCarte({0, ATOUT}), 9);
    EXPECT_EQ(pointsCarte({1, ATOUT}), 9);
    EXPECT_EQ(pointsCarte({21, ATOUT}), 9);
    EXPECT_EQ(pointsCarte({20, ATOUT}), 1);
    for (Couleur c : COULEURS) {
        EXPECT_EQ(pointsCarte({ROI, c}), 9);
        EXPECT_EQ(pointsCarte({DAME, c}), 7);
        EXPECT_EQ(pointsCarte({CAVALIER, c}), 5);
        EXPECT_EQ(pointsCarte({VALET, c}), 3);
        EXPECT_EQ(pointsCarte({10, c}), 1);
    }
    // Not a card at all.
    EXPECT_EQ(pointsCarte({0, PIQUE}), 0);
    EXPECT_EQ(pointsCarte({15, COEUR}), 0);
    EXPECT_EQ(pointsCarte({22, ATOUT}), 0);
    EXPECT_EQ(pointsCarte({3, AUCUNE}), 0);
}

TEST(Cartes, JeuCompletTotaliseLePaquet) {
    int total = 0, bouts = 0;
    for (int n = 1; n <= 78; ++n) {
        Carte c = carteDuNumero(n);
        total += pointsCarte(c);
        if (estBout(c)) {
            ++bouts;
            EXPECT_TRUE(n == 57 || n == 58 || n == 78) << n;
        }
        EXPECT_EQ(numeroCarte(c), n);
    }
    EXPECT_EQ(total, 182);
    EXPECT_EQ(bouts, 3);
    EXPECT_EQ(carteDuNumero(1), (Carte{1, PIQUE}));
    EXPECT_EQ(carteDuNumero(56), (Carte{ROI, CARREAU}));
    EXPECT_EQ(carteDuNumero(57), (Carte{EXCUSE, ATOUT}));
    EXPECT_EQ(carteDuNumero(58), (Carte{PETIT, ATOUT}));
    EXPECT_EQ(carteDuNumero(0).couleur, AUCUNE);
    EXPECT_EQ(carteDuNumero(79).couleur, AUCUNE);
}

TEST(Cartes, NomsDesBitmaps) {
    EXPECT_EQ(nomBitmap({0, ATOUT}), "ATOUT22");
    EXPECT_EQ(nomBitmap({1, ATOUT}), "ATOUT1");
    EXPECT_EQ(nomBitmap({21, ATOUT}), "ATOUT21");
    EXPECT_EQ(nomBitmap({1, PIQUE}), "PIQUE1");
    EXPECT_EQ(nomBitmap({14, COEUR}), "COEUR14");
    EXPECT_EQ(nomBitmap({7, TREFLE}), "TREFLE7");
    EXPECT_EQ(nomBitmap({12, CARREAU}), "CARREAU12");
    EXPECT_EQ(nomBitmap({0, PIQUE}), ""); // no bitmap for a value 0 outside the trumps
}

TEST(Cartes, OrdreDesSieges) {
    EXPECT_EQ(siegeSuivant(OUEST), SUD);
    EXPECT_EQ(siegeSuivant(SUD), EST);
    EXPECT_EQ(siegePrecedent(SUD), OUEST);
    EXPECT_EQ(siegePrecedent(NORD), EST);
}

TEST(Aleatoire, SuitLeGenerateurLineaire) {
    Aleatoire a{0};
    // state 1: the high 32 bits of n * 1 are 0
    EXPECT_EQ(a(78), 1);
    EXPECT_EQ(a.graine, 1u);
    // state 134775814
    std::uint32_t attendu = 134775813u * 1u + 1u;
    int tirage = a(100);
    EXPECT_EQ(a.graine, attendu);
    EXPECT_EQ(tirage, static_cast<int>((100ull * attendu) >> 32) + 1);
    // Results always lie in 1..n.
    Aleatoire b;
    for (int i = 0; i < 10000; ++i) {
        int x = b(3);
        ASSERT_GE(x, 1);
        ASSERT_LE(x, 3);
    }
}
