#include "aides/cartes_test.h"
#include "donne/pli.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// A trick in progress with hands of a few cards, played by naming the cards.
struct Table {
    Donne d;

    explicit Table(int entame) {
        d.numeroPli = 1;
        d.pli.entame = entame;
    }
    int slotDe(int s, const Carte& c) const {
        for (int i = 1; i <= 18; ++i)
            if (d.mains[s][i] == c) return i;
        return 0;
    }
    void jouer(int s, const Carte& c) {
        poserCarteDansPli(d, s, slotDe(s, c));
        ++d.pli.nbCartesJouees;
    }
    // The cards playable now for s, counted, after checking that each listed one is.
    int jouables(int s, std::initializer_list<Carte> attendues) {
        calculerJouables(d, s);
        for (const Carte& c : attendues) EXPECT_EQ(d.cartesJouables[s][slotDe(s, c)], 1);
        int n = 0;
        for (int v : d.cartesJouables[s]) n += v;
        return n;
    }
    const RaisonJouable& raison(int s, const Carte& c) const {
        return d.raisonsJouables[s][slotDe(s, c)];
    }
};

} // namespace

TEST(Jouables, EntameExcuseEtDefausse) {
    Table t(EST);
    t.d.mains[EST] = mainDe({excuse(), coeur(3)});
    t.d.mains[NORD] = mainDe({atout(4), coeur(5), trefle(2)});
    t.d.mains[OUEST] = mainDe({atout(6), pique(1)});
    t.d.mains[SUD] = mainDe({excuse(), pique(2), trefle(ROI)});
    t.d.mains[NORD][3].enMain = false; // already played: never playable
    EXPECT_EQ(t.jouables(EST, {excuse(), coeur(3)}), 2);
    EXPECT_EQ(t.raison(EST, coeur(3)).code, RAISON_LIBRE);

    // The Excuse led: the second seat plays anything, the third follows the second card.
    t.jouer(EST, excuse());
    EXPECT_EQ(t.jouables(NORD, {atout(4), coeur(5)}), 2);
    t.jouer(NORD, coeur(5));
    EXPECT_EQ(t.d.pli.couleurDemandee, COEUR);
    EXPECT_EQ(t.jouables(OUEST, {atout(6)}), 1);
    EXPECT_EQ(t.raison(OUEST, atout(6)).code, RAISON_COUPE);
    EXPECT_EQ(t.raison(OUEST, atout(6)).couleur, COEUR);
    EXPECT_EQ(t.raison(NORD, atout(4)).code, RAISON_SUIT); // other seats reset
    t.jouer(OUEST, atout(6));

    // Void in COEUR with the Excuse as only suit-0 card: anything, the Excuse included.
    EXPECT_EQ(t.jouables(SUD, {excuse(), pique(2), trefle(ROI)}), 3);
    EXPECT_EQ(t.raison(SUD, pique(2)).code, RAISON_DEFAUSSE);
    EXPECT_EQ(t.raison(SUD, pique(2)).couleur, COEUR);
    EXPECT_EQ(t.raison(SUD, excuse()).code, RAISON_SUIT);
}

TEST(Jouables, AtoutDemande) {
    Table t(SUD);
    t.d.mains[SUD] = mainDe({atout(10)});
    t.d.mains[EST] = mainDe({atout(15)});
    t.d.mains[NORD] = mainDe({atout(12), atout(18), pique(2)});
    t.d.mains[OUEST] = mainDe({atout(12), atout(3), pique(2), excuse()});
    t.jouer(SUD, atout(10));
    t.jouer(EST, atout(15));
    EXPECT_EQ(t.d.pli.atoutMax, 15);
    EXPECT_EQ(t.jouables(NORD, {atout(18)}), 1);
    EXPECT_EQ(t.raison(NORD, atout(18)).code, RAISON_SURCOUPE);
    EXPECT_EQ(t.jouables(OUEST, {atout(12), atout(3), excuse()}), 3);
    EXPECT_EQ(t.raison(OUEST, atout(3)).code, RAISON_SOUS_COUPE);
    EXPECT_EQ(t.raison(OUEST, atout(3)).valeur, 15);

    // A lower trump after the led one leaves atoutMax at 0, the led value still counts.
    Table u(SUD);
    u.d.mains[SUD] = mainDe({atout(10)});
    u.d.mains[EST] = mainDe({atout(8)});
    u.d.mains[NORD] = mainDe({atout(9), atout(11)});
    u.d.mains[OUEST] = mainDe({coeur(4), pique(5)});
    u.jouer(SUD, atout(10));
    u.jouer(EST, atout(8));
    EXPECT_EQ(u.d.pli.atoutMax, 0);
    EXPECT_EQ(u.jouables(NORD, {atout(11)}), 1);
    EXPECT_EQ(u.jouables(OUEST, {coeur(4), pique(5)}), 2);
    EXPECT_EQ(u.raison(OUEST, pique(5)).code, RAISON_SANS_ATOUT);
}

TEST(Jouables, CouleurDemandeeCoupeEtSurcoupe) {
    Table t(SUD);
    t.d.mains[SUD] = mainDe({coeur(ROI)});
    t.d.mains[EST] = mainDe({atout(7), pique(3)});
    t.d.mains[NORD] = mainDe({atout(5), atout(9), trefle(4)});
    t.d.mains[OUEST] = mainDe({atout(5), trefle(4), coeur(2), coeur(1)});
    t.jouer(SUD, coeur(ROI));
    EXPECT_EQ(t.jouables(OUEST, {coeur(2), coeur(1)}), 2); // follows suit
    EXPECT_EQ(t.jouables(EST, {atout(7)}), 1);             // nobody has trumped: any trump
    EXPECT_EQ(t.raison(EST, atout(7)).code, RAISON_COUPE);
    t.jouer(EST, atout(7));
    EXPECT_EQ(t.jouables(NORD, {atout(9)}), 1);
    const RaisonJouable& r = t.raison(NORD, atout(9));
    EXPECT_EQ(r.code, RAISON_SURCOUPE);
    EXPECT_EQ(r.valeur, 7);
    EXPECT_EQ(r.couleur, COEUR);
    // Only a lower trump: still that trump rather than another suit.
    t.d.mains[OUEST] = mainDe({atout(5), trefle(4)});
    EXPECT_EQ(t.jouables(OUEST, {atout(5)}), 1);
    EXPECT_EQ(t.raison(OUEST, atout(5)).code, RAISON_SOUS_COUPE);
}

TEST(Pli, CartePoseeEtGagnant) {
    Table t(NORD);
    t.d.numeroPli = 4;
    t.d.preneur = EST;
    t.d.mains[NORD] = mainDe({pique(2), pique(9)});
    t.d.mains[OUEST] = mainDe({pique(ROI)});
    t.d.mains[SUD] = mainDe({coeur(ROI)});
    t.d.mains[EST] = mainDe({atout(2)});
    t.jouer(NORD, pique(9));
    EXPECT_EQ(t.d.slotsJoues[NORD][4], 2);
    EXPECT_EQ(t.d.entamesPlis[4], NORD);
    EXPECT_FALSE(t.d.mains[NORD][2].enMain);
    EXPECT_EQ(t.d.pli.cartes[NORD], pique(9));
    t.jouer(OUEST, pique(ROI));
    t.jouer(SUD, coeur(ROI)); // another suit never wins
    t.jouer(EST, atout(2));   // the smallest trump does
    EXPECT_EQ(t.d.pli.atoutMax, 2);
    EXPECT_EQ(compterFinDePli(t.d), EST);
    EXPECT_EQ(t.d.pli.entame, EST);
    EXPECT_EQ(t.d.joueurCourant, EST);
    EXPECT_EQ(t.d.numeroPli, 5);
    EXPECT_EQ(t.d.pli.nbCartesJouees + t.d.pli.atoutMax, 0);
    EXPECT_EQ(t.d.phase, Phase::PliARamasser);
    EXPECT_EQ(t.d.pointsPreneur, 20);

    // The Excuse led never wins: the card after it takes its place.
    Pli p;
    p.entame = SUD;
    p.cartes = {{excuse(), carreau(3), carreau(ROI), pique(ROI)}};
    EXPECT_EQ(gagnantDuPli(p), NORD);
}

namespace {

Donne plein(int preneur, int contrat, int numeroPli, Tableau<Carte, 4> cartes) {
    Donne d;
    d.preneur = preneur;
    d.contrat = d.encheresAnnoncees[preneur] = contrat;
    d.numeroPli = numeroPli;
    d.pli.entame = SUD;
    d.pli.cartes = cartes;
    d.pli.nbCartesJouees = 4;
    return d;
}

} // namespace

TEST(FinDePli, LExcuseEtLeDernierPli) {
    const Tableau<Carte, 4> cartes{{coeur(ROI), excuse(), coeur(3), coeur(DAME)}};
    // Taker EST plays the Excuse, SUD wins: the defence gets a half point for it.
    Donne d = plein(EST, GARDE, 5, cartes);
    EXPECT_EQ(compterFinDePli(d), SUD);
    EXPECT_EQ(d.pointsDefense, 1 + 9 + 1 + 7);
    EXPECT_EQ(d.pointsPreneur, 8);
    EXPECT_EQ(d.boutsPreneur, 1);
    // In the last trick the camp that played it loses 8 half points and the bout.
    d = plein(EST, GARDE, 18, cartes);
    compterFinDePli(d);
    EXPECT_EQ(d.pointsPreneur, 0);
    EXPECT_EQ(d.boutsDefense, 1);
    // The same for a defender's Excuse, whether the defence or the taker wins the trick.
    d = plein(NORD, GARDE, 18, cartes);
    compterFinDePli(d);
    EXPECT_EQ(d.pointsPreneur, 8);
    EXPECT_EQ(d.boutsPreneur, 1);
    d = plein(SUD, GARDE, 18, cartes);
    compterFinDePli(d);
    EXPECT_EQ(d.pointsPreneur, 26);
    EXPECT_EQ(d.boutsPreneur - d.boutsDefense, 1);
}

TEST(FinDePli, PetitAuBoutChienEtContrat) {
    Donne d = plein(EST, PRISE, 18, {{atout(1), atout(5), pique(2), pique(3)}});
    compterFinDePli(d);
    EXPECT_EQ(d.petitAuBout, 1); // the taker wins the Petit
    d = plein(EST, PRISE, 18, {{atout(3), atout(1), pique(2), atout(4)}});
    compterFinDePli(d);
    EXPECT_EQ(d.petitAuBout, 2); // whoever played it
    EXPECT_EQ(d.boutsDefense, 1);
    d = plein(EST, PRISE, 17, {{atout(1), atout(5), pique(2), pique(3)}});
    compterFinDePli(d);
    EXPECT_EQ(d.petitAuBout, 0);
    EXPECT_EQ(d.pointsContrat, 0); // the other bouts are still out

    // The dog: its bouts go to the defence at GARDE CONTRE, to the taker at GARDE SANS.
    const Tableau<Carte, 4> petites{{pique(1), pique(2), pique(3), pique(4)}};
    const Chien chien{{atout(21), excuse(), coeur(ROI), coeur(1), trefle(1), carreau(1)}};
    d = plein(SUD, GARDE_CONTRE, 18, petites);
    d.boutsPreneur = 1;
    d.chien = chien;
    compterFinDePli(d);
    EXPECT_EQ(d.pointsDefense, 4 + 30);
    EXPECT_EQ(d.boutsDefense, 2);
    EXPECT_EQ(d.pointsContrat, 51);
    d = plein(SUD, GARDE_SANS, 18, petites);
    d.boutsPreneur = 1;
    d.chien = chien;
    compterFinDePli(d);
    EXPECT_EQ(d.pointsPreneur, 30);
    EXPECT_EQ(d.pointsContrat, 36);
}
