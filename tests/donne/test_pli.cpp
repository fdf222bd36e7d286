#include "aides/cartes_test.h"
#include "donne/pli.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// A table with hands of a few cards, on which cards are put down by name.
struct Table {
    Donne d;

    explicit Table(int entame = SUD) {
        d.numeroPli = 1;
        d.pli.entame = entame;
    }
    int slotDe(int s, const Carte& c) const {
        for (int i = 1; i <= 18; ++i)
            if (d.mains[s][i] == c) return i;
        return 0;
    }
    void jouer(int s, const Carte& c) {
        const int slot = slotDe(s, c);
        ASSERT_NE(slot, 0);
        poserCarteDansPli(d, s, slot);
        ++d.pli.nbCartesJouees;
    }
    bool jouable(int s, const Carte& c) const { return d.cartesJouables[s][slotDe(s, c)] == 1; }
    const RaisonJouable& raison(int s, const Carte& c) const {
        return d.raisonsJouables[s][slotDe(s, c)];
    }
    int nbJouables(int s) const {
        int n = 0;
        for (int v : d.cartesJouables[s]) n += v;
        return n;
    }
};

} // namespace

TEST(Jouables, EntameEtExcuseEntamee) {
    Table t(EST);
    t.d.mains[EST] = mainDe({excuse(), coeur(3), pique(ROI)});
    t.d.mains[NORD] = mainDe({atout(4), coeur(5), trefle(2)});
    t.d.mains[OUEST] = mainDe({atout(6), pique(1), trefle(9)});
    t.d.mains[NORD][3].enMain = false; // already played: never playable
    calculerJouables(t.d, EST);
    EXPECT_EQ(t.nbJouables(EST), 3);
    EXPECT_EQ(t.raison(EST, coeur(3)).code, RAISON_LIBRE);
    EXPECT_EQ(t.raison(EST, excuse()).code, RAISON_SUIT);

    // The Excuse led: the second seat plays anything, the third follows the second card.
    t.jouer(EST, excuse());
    calculerJouables(t.d, NORD);
    EXPECT_EQ(t.nbJouables(NORD), 2);
    EXPECT_EQ(t.raison(NORD, atout(4)).code, RAISON_LIBRE);
    t.jouer(NORD, coeur(5));
    EXPECT_EQ(t.d.pli.couleurDemandee, COEUR);
    EXPECT_EQ(t.d.pli.valeurEntame, 5);
    calculerJouables(t.d, OUEST);
    // Void in COEUR: must trump.
    EXPECT_TRUE(t.jouable(OUEST, atout(6)));
    EXPECT_FALSE(t.jouable(OUEST, pique(1)));
    EXPECT_EQ(t.raison(OUEST, atout(6)).code, RAISON_COUPE);
    EXPECT_EQ(t.raison(OUEST, atout(6)).couleur, COEUR);
    // Every other seat's codes were reset.
    EXPECT_EQ(t.raison(NORD, atout(4)).code, RAISON_SUIT);
}

TEST(Jouables, DefausseAvecLExcuseSeule) {
    Table t(SUD);
    t.d.mains[SUD] = mainDe({pique(8)});
    t.d.mains[EST] = mainDe({excuse(), coeur(2), trefle(ROI)});
    t.jouer(SUD, pique(8));
    calculerJouables(t.d, EST);
    EXPECT_EQ(t.nbJouables(EST), 3);
    EXPECT_EQ(t.raison(EST, coeur(2)).code, RAISON_DEFAUSSE);
    EXPECT_EQ(t.raison(EST, coeur(2)).couleur, PIQUE);
    EXPECT_EQ(t.raison(EST, excuse()).code, RAISON_SUIT);
}

TEST(Jouables, AtoutDemandeMonterOuPas) {
    Table t(SUD);
    t.d.mains[SUD] = mainDe({atout(10)});
    t.d.mains[EST] = mainDe({atout(15)});
    t.d.mains[NORD] = mainDe({atout(12), atout(18), pique(2)});
    t.d.mains[OUEST] = mainDe({atout(12), atout(3), pique(2), excuse()});
    t.jouer(SUD, atout(10));
    t.jouer(EST, atout(15));
    EXPECT_EQ(t.d.pli.atoutMax, 15);
    calculerJouables(t.d, NORD);
    EXPECT_EQ(t.nbJouables(NORD), 1);
    EXPECT_TRUE(t.jouable(NORD, atout(18)));
    EXPECT_EQ(t.raison(NORD, atout(18)).code, RAISON_SURCOUPE);
    calculerJouables(t.d, OUEST);
    EXPECT_TRUE(t.jouable(OUEST, atout(12)));
    EXPECT_TRUE(t.jouable(OUEST, atout(3)));
    EXPECT_TRUE(t.jouable(OUEST, excuse()));
    EXPECT_FALSE(t.jouable(OUEST, pique(2)));
    EXPECT_EQ(t.raison(OUEST, atout(3)).code, RAISON_SOUS_COUPE);
    EXPECT_EQ(t.raison(OUEST, atout(3)).valeur, 15);

    // A lower trump after the led one does not raise atoutMax; the led value still counts.
    Table u(SUD);
    u.d.mains[SUD] = mainDe({atout(10)});
    u.d.mains[EST] = mainDe({atout(8)});
    u.d.mains[NORD] = mainDe({atout(9), atout(11)});
    u.d.mains[OUEST] = mainDe({coeur(4), pique(5)});
    u.jouer(SUD, atout(10));
    u.jouer(EST, atout(8));
    EXPECT_EQ(u.d.pli.atoutMax, 0);
    calculerJouables(u.d, NORD);
    EXPECT_EQ(u.nbJouables(NORD), 1);
    EXPECT_TRUE(u.jouable(NORD, atout(11)));
    // No trump at all: anything.
    calculerJouables(u.d, OUEST);
    EXPECT_EQ(u.nbJouables(OUEST), 2);
    EXPECT_EQ(u.raison(OUEST, pique(5)).code, RAISON_SANS_ATOUT);
}

TEST(Jouables, CouleurCoupeeSurcoupeEtSousCoupe) {
    Table t(SUD);
    t.d.mains[SUD] = mainDe({coeur(ROI)});
    t.d.mains[EST] = mainDe({atout(7), pique(3)});
    t.d.mains[NORD] = mainDe({atout(5), atout(9), trefle(4)});
    t.d.mains[OUEST] = mainDe({atout(5), trefle(4), carreau(ROI)});
    t.jouer(SUD, coeur(ROI));
    // Nobody has trumped yet: any trump, code 1.
    calculerJouables(t.d, EST);
    EXPECT_EQ(t.nbJouables(EST), 1);
    EXPECT_EQ(t.raison(EST, atout(7)).code, RAISON_COUPE);
    t.jouer(EST, atout(7));
    EXPECT_EQ(t.d.pli.atoutMax, 7);

    calculerJouables(t.d, NORD);
    EXPECT_EQ(t.nbJouables(NORD), 1);
    EXPECT_TRUE(t.jouable(NORD, atout(9)));
    const RaisonJouable& r = t.raison(NORD, atout(9));
    EXPECT_EQ(r.code, RAISON_SURCOUPE);
    EXPECT_EQ(r.valeur, 7);
    EXPECT_EQ(r.couleur, COEUR);

    // Only a lower trump: still that trump rather than another suit.
    calculerJouables(t.d, OUEST);
    EXPECT_EQ(t.nbJouables(OUEST), 1);
    EXPECT_TRUE(t.jouable(OUEST, atout(5)));
    EXPECT_EQ(t.raison(OUEST, atout(5)).code, RAISON_SOUS_COUPE);
    EXPECT_EQ(t.raison(OUEST, atout(5)).valeur, 7);

    // Following suit: only that suit, code -1.
    Table u(SUD);
    u.d.mains[SUD] = mainDe({coeur(2)});
    u.d.mains[EST] = mainDe({coeur(9), coeur(1), atout(20), pique(ROI)});
    u.jouer(SUD, coeur(2));
    calculerJouables(u.d, EST);
    EXPECT_EQ(u.nbJouables(EST), 2);
    EXPECT_EQ(u.raison(EST, coeur(1)).code, RAISON_SUIT);
}

TEST(Pli, CartePoseeEtGagnant) {
    Table t(NORD);
    t.d.numeroPli = 4;
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
    EXPECT_EQ(t.d.pli.nbCartesJouees, 4);
    EXPECT_EQ(t.d.pli.atoutMax, 2);
    t.d.preneur = EST;
    EXPECT_EQ(compterFinDePli(t.d), EST);
    EXPECT_EQ(t.d.pli.entame, EST);
    EXPECT_EQ(t.d.joueurCourant, EST);
    EXPECT_EQ(t.d.numeroPli, 5);
    EXPECT_EQ(t.d.pli.nbCartesJouees, 0);
    EXPECT_EQ(t.d.pli.atoutMax, 0);
    EXPECT_EQ(t.d.attenteClic, 1);
    EXPECT_EQ(t.d.pointsPreneur, 1 + 9 + 9 + 1);
    EXPECT_EQ(t.d.pointsDefense, 0);

    // The Excuse led never wins: the card after it takes its place.
    Pli p;
    p.entame = SUD;
    p.cartes[SUD] = excuse();
    p.cartes[EST] = carreau(3);
    p.cartes[NORD] = carreau(ROI);
    p.cartes[OUEST] = pique(ROI);
    EXPECT_EQ(gagnantDuPli(p), NORD);
}

namespace {

Donne plein(int preneur, int contrat, int numeroPli, Carte sud, Carte est, Carte nord,
            Carte ouest) {
    Donne d;
    d.preneur = preneur;
    d.contrat = contrat;
    d.encheresAnnoncees[preneur] = contrat;
    d.numeroPli = numeroPli;
    d.pli.entame = SUD;
    d.pli.cartes[SUD] = sud;
    d.pli.cartes[EST] = est;
    d.pli.cartes[NORD] = nord;
    d.pli.cartes[OUEST] = ouest;
    d.pli.nbCartesJouees = 4;
    return d;
}

} // namespace

TEST(FinDePli, ExcuseEchangeeEtPerdueAuDernierPli) {
    // Taker EST plays the Excuse, SUD wins with the Roi.
    Donne d = plein(EST, GARDE, 5, coeur(ROI), excuse(), coeur(3), coeur(DAME));
    EXPECT_EQ(compterFinDePli(d), SUD);
    EXPECT_EQ(d.pointsDefense, 1 + 9 + 1 + 7);
    EXPECT_EQ(d.pointsPreneur, 8);
    EXPECT_EQ(d.boutsPreneur, 1);
    EXPECT_EQ(d.boutsDefense, 0);

    // The same in the last trick: the taker's camp loses 8 half points and the bout.
    Donne f = plein(EST, GARDE, 18, coeur(ROI), excuse(), coeur(3), coeur(DAME));
    compterFinDePli(f);
    EXPECT_EQ(f.pointsPreneur, 0);
    EXPECT_EQ(f.pointsDefense, 26);
    EXPECT_EQ(f.boutsPreneur, 0);
    EXPECT_EQ(f.boutsDefense, 1);

    // A defender's Excuse in the last trick goes to the taker even when the taker loses it.
    Donne g = plein(NORD, GARDE, 18, coeur(ROI), excuse(), coeur(3), coeur(DAME));
    compterFinDePli(g);
    EXPECT_EQ(g.pointsPreneur, 8);
    EXPECT_EQ(g.pointsDefense, 18);
    EXPECT_EQ(g.boutsPreneur, 1);
    EXPECT_EQ(g.boutsDefense, 0);
    // ...and when the taker wins it, 8 more than in an earlier trick.
    Donne h = plein(SUD, GARDE, 18, coeur(ROI), excuse(), coeur(3), coeur(DAME));
    compterFinDePli(h);
    EXPECT_EQ(h.pointsPreneur, 26);
    EXPECT_EQ(h.pointsDefense, 0);
    EXPECT_EQ(h.boutsPreneur, 1);
}

TEST(FinDePli, PetitAuBoutChienEtContrat) {
    // The Petit in the last trick: 1 when the taker wins it, whoever played it.
    Donne a = plein(EST, PRISE, 18, atout(1), atout(5), pique(2), pique(3));
    compterFinDePli(a);
    EXPECT_EQ(a.petitAuBout, 1);
    EXPECT_EQ(a.boutsPreneur, 1);
    Donne b = plein(EST, PRISE, 18, atout(3), atout(1), pique(2), atout(4));
    compterFinDePli(b);
    EXPECT_EQ(b.petitAuBout, 2);
    EXPECT_EQ(b.boutsDefense, 1);
    // In an earlier trick: no Petit au bout.
    Donne c = plein(EST, PRISE, 17, atout(1), atout(5), pique(2), pique(3));
    compterFinDePli(c);
    EXPECT_EQ(c.petitAuBout, 0);
    EXPECT_EQ(c.pointsContrat, 0); // the other bouts are still out

    // GARDE CONTRE: the dog's bouts and points count for the defence.
    Donne gc = plein(SUD, GARDE_CONTRE, 18, pique(1), pique(2), pique(3), pique(4));
    gc.boutsPreneur = 1;
    gc.chien = Chien{{atout(21), excuse(), coeur(ROI), coeur(1), trefle(1), carreau(1)}};
    compterFinDePli(gc);
    EXPECT_EQ(gc.pointsDefense, 4 + 30);
    EXPECT_EQ(gc.boutsDefense, 2);
    EXPECT_EQ(gc.pointsContrat, 51);
    // GARDE SANS: for the taker.
    Donne gs = plein(SUD, GARDE_SANS, 18, pique(1), pique(2), pique(3), pique(4));
    gs.boutsPreneur = 1;
    gs.chien = gc.chien;
    compterFinDePli(gs);
    EXPECT_EQ(gs.pointsPreneur, 30);
    EXPECT_EQ(gs.pointsDefense, 4);
    EXPECT_EQ(gs.boutsPreneur, 3);
    EXPECT_EQ(gs.pointsContrat, 36);
    // PRISE: the discard's points only.
    Donne p = plein(SUD, PRISE, 18, pique(1), pique(2), pique(3), pique(4));
    p.boutsPreneur = 2;
    p.boutsDefense = 1;
    p.chien = Chien{{coeur(ROI), coeur(DAME), coeur(1), trefle(1), carreau(1), pique(5)}};
    compterFinDePli(p);
    EXPECT_EQ(p.pointsPreneur, 20);
    EXPECT_EQ(p.pointsContrat, 41);
}
