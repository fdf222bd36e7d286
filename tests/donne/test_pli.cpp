#include "aides/cartes_test.h"
#include "donne/pli.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// A trick in progress with hands of a few cards, played by naming the cards.
struct Table {
    Donne d;

    explicit Table(Siege entame) {
        d.numeroPli = 1;
        d.pli.entame = entame;
        d.phase = Phase::JeuEnCours;
    }
    int slotDe(Siege s, const Carte& c) const {
        for (int i = 1; i <= 18; ++i)
            if (d.mains[s][i] == c) return i;
        return 0;
    }
    void jouer(Siege s, const Carte& c) {
        poserCarteDansPli(d, s, slotDe(s, c));
        ++d.pli.nbCartesJouees;
    }
    // The cards playable now for s, counted, after checking that each listed one is.
    int jouables(Siege s, std::initializer_list<Carte> attendues) {
        calculerJouables(d, s);
        for (const Carte& c : attendues) EXPECT_EQ(d.cartesJouables[s][slotDe(s, c)], 1);
        int n = 0;
        for (int v : d.cartesJouables[s]) n += v;
        return n;
    }
    const RaisonJouable& raison(Siege s, const Carte& c) const {
        return d.raisonsJouables[s][slotDe(s, c)];
    }
};

} // namespace

TEST(Jouables, EntameExcuseEtDefausse) {
    Table t(EST);
    t.d.mains[EST] = mainDe({EXC, Co(3)});
    t.d.mains[NORD] = mainDe({A(4), Co(5), Tr(2)});
    t.d.mains[OUEST] = mainDe({A(6), P(1)});
    t.d.mains[SUD] = mainDe({EXC, P(2), Tr(ROI)});
    t.d.mains[NORD][3].enMain = false; // already played: never playable
    EXPECT_EQ(t.jouables(EST, {EXC, Co(3)}), 2);
    EXPECT_EQ(t.raison(EST, Co(3)).code, Raison::Libre);

    // The Excuse led: the second seat plays anything, the third follows the second card.
    t.jouer(EST, EXC);
    EXPECT_EQ(t.jouables(NORD, {A(4), Co(5)}), 2);
    t.jouer(NORD, Co(5));
    EXPECT_EQ(t.d.pli.couleurDemandee, COEUR);
    EXPECT_EQ(t.jouables(OUEST, {A(6)}), 1);
    EXPECT_EQ(t.raison(OUEST, A(6)).code, Raison::Coupe);
    EXPECT_EQ(t.raison(OUEST, A(6)).couleur, COEUR);
    EXPECT_EQ(t.raison(NORD, A(4)).code, Raison::Suit); // other seats reset
    t.jouer(OUEST, A(6));

    // Void in COEUR with the Excuse as only suit-0 card: anything, the Excuse included.
    EXPECT_EQ(t.jouables(SUD, {EXC, P(2), Tr(ROI)}), 3);
    EXPECT_EQ(t.raison(SUD, P(2)).code, Raison::Defausse);
    EXPECT_EQ(t.raison(SUD, P(2)).couleur, COEUR);
    EXPECT_EQ(t.raison(SUD, EXC).code, Raison::Suit);
}

TEST(Jouables, AtoutDemande) {
    Table t(SUD);
    t.d.mains[SUD] = mainDe({A(10)});
    t.d.mains[EST] = mainDe({A(15)});
    t.d.mains[NORD] = mainDe({A(12), A(18), P(2)});
    t.d.mains[OUEST] = mainDe({A(12), A(3), P(2), EXC});
    t.jouer(SUD, A(10));
    t.jouer(EST, A(15));
    EXPECT_EQ(t.d.pli.atoutMax, 15);
    EXPECT_EQ(t.jouables(NORD, {A(18)}), 1);
    EXPECT_EQ(t.raison(NORD, A(18)).code, Raison::Surcoupe);
    EXPECT_EQ(t.jouables(OUEST, {A(12), A(3), EXC}), 3);
    EXPECT_EQ(t.raison(OUEST, A(3)).code, Raison::SousCoupe);
    EXPECT_EQ(t.raison(OUEST, A(3)).valeur, 15);

    // A lower trump after the led one leaves atoutMax at 0, the led value still counts.
    Table u(SUD);
    u.d.mains[SUD] = mainDe({A(10)});
    u.d.mains[EST] = mainDe({A(8)});
    u.d.mains[NORD] = mainDe({A(9), A(11)});
    u.d.mains[OUEST] = mainDe({Co(4), P(5)});
    u.jouer(SUD, A(10));
    u.jouer(EST, A(8));
    EXPECT_EQ(u.d.pli.atoutMax, 0);
    EXPECT_EQ(u.jouables(NORD, {A(11)}), 1);
    EXPECT_EQ(u.jouables(OUEST, {Co(4), P(5)}), 2);
    EXPECT_EQ(u.raison(OUEST, P(5)).code, Raison::SansAtout);
}

TEST(Jouables, CouleurDemandeeCoupeEtSurcoupe) {
    Table t(SUD);
    t.d.mains[SUD] = mainDe({Co(ROI)});
    t.d.mains[EST] = mainDe({A(7), P(3)});
    t.d.mains[NORD] = mainDe({A(5), A(9), Tr(4)});
    t.d.mains[OUEST] = mainDe({A(5), Tr(4), Co(2), Co(1)});
    t.jouer(SUD, Co(ROI));
    EXPECT_EQ(t.jouables(OUEST, {Co(2), Co(1)}), 2); // follows suit
    EXPECT_EQ(t.jouables(EST, {A(7)}), 1);           // nobody has trumped: any trump
    EXPECT_EQ(t.raison(EST, A(7)).code, Raison::Coupe);
    t.jouer(EST, A(7));
    EXPECT_EQ(t.jouables(NORD, {A(9)}), 1);
    const RaisonJouable& r = t.raison(NORD, A(9));
    EXPECT_EQ(r.code, Raison::Surcoupe);
    EXPECT_EQ(r.valeur, 7);
    EXPECT_EQ(r.couleur, COEUR);
    // Only a lower trump: still that trump rather than another suit.
    t.d.mains[OUEST] = mainDe({A(5), Tr(4)});
    EXPECT_EQ(t.jouables(OUEST, {A(5)}), 1);
    EXPECT_EQ(t.raison(OUEST, A(5)).code, Raison::SousCoupe);
}

TEST(Pli, CartePoseeEtGagnant) {
    Table t(NORD);
    t.d.numeroPli = 4;
    t.d.preneur = EST;
    t.d.mains[NORD] = mainDe({P(2), P(9)});
    t.d.mains[OUEST] = mainDe({P(ROI)});
    t.d.mains[SUD] = mainDe({Co(ROI)});
    t.d.mains[EST] = mainDe({A(2)});
    t.jouer(NORD, P(9));
    EXPECT_EQ(t.d.slotsJoues[NORD][4], 2);
    EXPECT_EQ(t.d.entamesPlis[4], NORD);
    EXPECT_FALSE(t.d.mains[NORD][2].enMain);
    EXPECT_EQ(t.d.pli.cartes[NORD], P(9));
    t.jouer(OUEST, P(ROI));
    t.jouer(SUD, Co(ROI)); // another suit never wins
    t.jouer(EST, A(2));    // the smallest trump does
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
    p.cartes = {{EXC, Ca(3), Ca(ROI), P(ROI)}};
    EXPECT_EQ(gagnantDuPli(p), NORD);
}

namespace {

Donne plein(Siege preneur, Contrat contrat, int numeroPli, Tableau<Carte, 4> cartes) {
    Donne d;
    d.preneur = preneur;
    d.contrat = d.encheresAnnoncees[preneur] = contrat;
    d.numeroPli = numeroPli;
    d.pli.entame = SUD;
    d.pli.cartes = cartes;
    d.pli.nbCartesJouees = 4;
    d.phase = Phase::JeuEnCours;
    return d;
}

} // namespace

TEST(FinDePli, LExcuseEtLeDernierPli) {
    const Tableau<Carte, 4> cartes{{Co(ROI), EXC, Co(3), Co(DAME)}};
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
    Donne d = plein(EST, PRISE, 18, {{A(1), A(5), P(2), P(3)}});
    compterFinDePli(d);
    EXPECT_EQ(d.petitAuBout, 1); // the taker wins the Petit
    d = plein(EST, PRISE, 18, {{A(3), A(1), P(2), A(4)}});
    compterFinDePli(d);
    EXPECT_EQ(d.petitAuBout, 2); // whoever played it
    EXPECT_EQ(d.boutsDefense, 1);
    d = plein(EST, PRISE, 17, {{A(1), A(5), P(2), P(3)}});
    compterFinDePli(d);
    EXPECT_EQ(d.petitAuBout, 0);
    EXPECT_EQ(d.pointsContrat, 0); // the other bouts are still out

    // The dog: its bouts go to the defence at GARDE CONTRE, to the taker at GARDE SANS.
    const Tableau<Carte, 4> petites{{P(1), P(2), P(3), P(4)}};
    const Chien chien{{A(21), EXC, Co(ROI), Co(1), Tr(1), Ca(1)}};
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
