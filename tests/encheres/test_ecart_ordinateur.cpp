// The computer taker's discard, on hands made for the purpose.
#include "encheres/ecart.h"
#include "fenetres/modele/jeu.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using namespace quarvel;

namespace {

struct Cartes {
    Couleur couleur;
    std::initializer_list<int> valeurs;
};

// 24 cards: the first 18 (sorted) go to EST's hand, the last 6 to the dog.
void preparer(Jeu& jeu, std::initializer_list<Cartes> cartes) {
    std::vector<Carte> toutes;
    for (const Cartes& c : cartes)
        for (int v : c.valeurs) toutes.push_back(Carte{v, c.couleur, true});
    ASSERT_EQ(toutes.size(), 24u);
    std::vector<Carte> main(toutes.begin(), toutes.begin() + 18),
        chien(toutes.begin() + 18, toutes.end());
    auto trier = [](std::vector<Carte>& v) {
        for (size_t i = 0; i < v.size(); ++i)
            for (size_t j = i + 1; j < v.size(); ++j)
                if (avant(v[j], v[i])) std::swap(v[i], v[j]);
    };
    trier(main);
    trier(chien);
    jeu.donne.preneur = EST;
    for (int i = 1; i <= 18; ++i) jeu.donne.mains[EST][i] = main[i - 1];
    for (int k = 1; k <= 6; ++k) jeu.donne.chien[k] = chien[k - 1];
}

std::vector<Carte> ecartees(const Jeu& jeu) {
    std::vector<Carte> v;
    for (int p = 1; p <= 24; ++p)
        if (jeu.ecart.garderCarte[p] == 0) v.push_back(jeu.ecart.rangeeEcart[p]);
    return v;
}

bool contient(const std::vector<Carte>& v, Carte c) {
    for (const Carte& x : v)
        if (x == c) return true;
    return false;
}

void verifierEcartPermis(const std::vector<Carte>& v) {
    ASSERT_EQ(v.size(), 6u);
    for (const Carte& c : v) {
        EXPECT_NE(c.couleur, ATOUT);
        EXPECT_NE(c.valeur, ROI);
    }
}

} // namespace

TEST(EcartOrdinateur, LaRangeeFusionneeEstTrieeEtSaitDOuVientChaqueCarte) {
    Jeu jeu;
    preparer(jeu, {{ATOUT, {2, 3, 4, 5, 6, 7, 8, 0}},
                   {PIQUE, {14, 13, 12, 11, 10, 9}},
                   {COEUR, {13, 5, 4}},
                   {TREFLE, {14, 3}},
                   {CARREAU, {14, 10, 9, 8, 21 - 20}}});
    fusionnerRangee(jeu);
    for (int p = 1; p < 24; ++p)
        EXPECT_TRUE(avant(jeu.ecart.rangeeEcart[p], jeu.ecart.rangeeEcart[p + 1])) << p;
    for (int p = 1; p <= 24; ++p) {
        const int s = jeu.ecart.sourceRangee[p];
        const Carte origine = s <= 18 ? jeu.donne.mains[EST][s] : jeu.donne.chien[s - 18];
        EXPECT_EQ(origine, jeu.ecart.rangeeEcart[p]);
    }
}

TEST(EcartOrdinateur, UneDameSeuleSansExcusePartToujours) {
    for (std::uint32_t graine = 1; graine <= 40; ++graine) {
        Jeu jeu;
        jeu.alea.graine = graine;
        preparer(jeu, {{ATOUT, {2, 3, 4, 5, 6, 7, 8, 9}},
                       {PIQUE, {14, 13, 12, 11, 10, 9}},
                       {COEUR, {13, 5, 4, 3}},
                       {TREFLE, {3, 2}},
                       {CARREAU, {14, 10, 9, 8}}});
        choisirEcartOrdinateur(jeu);
        const auto v = ecartees(jeu);
        verifierEcartPermis(v);
        EXPECT_TRUE(contient(v, {DAME, COEUR})) << graine;
        // The short suit goes first, the long suit is spared.
        EXPECT_TRUE(contient(v, {3, TREFLE}) && contient(v, {2, TREFLE})) << graine;
        for (const Carte& c : v) EXPECT_NE(c.couleur, PIQUE) << graine;
    }
}

TEST(EcartOrdinateur, SansCouleurCourteLeRemplissageEpargneLaCouleurLongue) {
    for (std::uint32_t graine = 1; graine <= 40; ++graine) {
        Jeu jeu;
        jeu.alea.graine = graine;
        preparer(jeu, {{ATOUT, {1, 2, 3, 4, 5, 6, 7, 8}},
                       {PIQUE, {14, 10, 9, 8, 7, 6, 5}},
                       {COEUR, {14, 13, 12, 4, 3}},
                       {TREFLE, {14, 2}},
                       {CARREAU, {14, 5}}});
        choisirEcartOrdinateur(jeu);
        const auto v = ecartees(jeu);
        verifierEcartPermis(v);
        for (const Carte& c : v) EXPECT_NE(c.couleur, PIQUE) << graine;
    }
}

TEST(EcartOrdinateur, UneLongueCouleurCourteDonneSesSixPlusHautes) {
    Jeu jeu;
    preparer(jeu, {{ATOUT, {2, 3, 4, 5, 6, 7, 8}},
                   {PIQUE, {14, 10, 9}},
                   {COEUR, {13, 11, 10, 9, 8, 7, 6}},
                   {TREFLE, {14, 5, 4}},
                   {CARREAU, {14, 9, 8, 7}}});
    choisirEcartOrdinateur(jeu);
    const auto v = ecartees(jeu);
    verifierEcartPermis(v);
    for (int valeur : {13, 11, 10, 9, 8, 7}) EXPECT_TRUE(contient(v, {valeur, COEUR})) << valeur;
    EXPECT_EQ(jeu.ecart.nbEcartees, 6);
}

TEST(EcartOrdinateur, DameEtCavalierNeFontPasUneCouleurCourte) {
    for (std::uint32_t graine = 1; graine <= 40; ++graine) {
        Jeu jeu;
        jeu.alea.graine = graine;
        preparer(jeu, {{ATOUT, {2, 3, 4, 5, 6, 7, 8, 9}},
                       {PIQUE, {13, 12}},
                       {COEUR, {14, 10, 9, 8, 7, 6}},
                       {TREFLE, {5, 4, 3}},
                       {CARREAU, {14, 10, 9, 8, 7}}});
        choisirEcartOrdinateur(jeu);
        const auto v = ecartees(jeu);
        verifierEcartPermis(v);
        for (int valeur : {5, 4, 3}) EXPECT_TRUE(contient(v, {valeur, TREFLE})) << graine;
    }
}
