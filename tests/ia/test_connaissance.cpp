#include "ia/connaissance.h"
#include "ia/moteur.h"
#include "ia/position.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// Spades shared out so that four tricks use them all: seat 1 wins the first three.
Position quatrePlisDePique() {
    Position p;
    p.contrat = GARDE_SANS;
    p.preneur = EST;
    p.entame = SUD;
    p.mains[1] = {P(14), P(13), P(12), P(11)};
    p.mains[2] = {P(10), P(9), P(8), P(7)};
    p.mains[3] = {P(6), P(5), P(4)};
    p.mains[4] = {P(3), P(2), P(1)};
    // The rest in pack order: seat 1 hearts, seat 2 clubs, seat 3 diamonds and the Excuse,
    // seat 4 trumps 1 to 15, the dog trumps 16 to 21.
    return p;
}

void pli(Jeu& jeu, std::initializer_list<Carte> cartes) {
    for (const Carte& c : cartes) jouer(jeu, c);
    ramasser(jeu);
}

} // namespace

TEST(Connaissance, DebutDeJeuApresUneGarde) {
    auto jeu = nouveauJeu();
    Position p;
    p.contrat = GARDE;
    p.preneur = NORD;
    p.mains[3] = {Co(14), A(18), A(12), A(6), P(14)};
    p.chien = {Co(14), A(18), A(12), A(6), Tr(2), Tr(3)};
    p.ecart = {Tr(2), Tr(3), Ca(14), Ca(13), Ca(12), Ca(11)};
    installer(*jeu, p);
    jeu->donne.phase = Phase::JeuEnCours; // the dog is taken up when play starts
    initialiserConnaissance(*jeu);
    const Connaissance& k = jeu->connaissance;

    EXPECT_EQ(k.atoutsAuChien, 3);
    EXPECT_TRUE(k.roiAuChien[COEUR]);
    EXPECT_FALSE(k.roiAuChien[PIQUE]);
    EXPECT_EQ(k.detenteurCarte[CARREAU][ROI], 0); // the discard
    EXPECT_EQ(k.slotAtout[18], slotDe(*jeu, NORD, ATOUT, 18));
    // The taker knows his discard; the others know the dog went to him.
    EXPECT_TRUE(k.ecartConnu[3]);
    EXPECT_FALSE(k.ecartConnu[1]);
    EXPECT_EQ(k.lieuCarte[3][CARREAU][ROI], LIEU_JOUEE);
    EXPECT_EQ(k.lieuCarte[1][CARREAU][ROI], LIEU_INCONNU);
    EXPECT_FALSE(detenteurPossible(k, SUD, EST, Carte{2, TREFLE}));
    EXPECT_FALSE(detenteurPossible(k, SUD, OUEST, Carte{18, ATOUT}));
    EXPECT_TRUE(detenteurPossible(k, SUD, NORD, Carte{18, ATOUT}));
    EXPECT_EQ(k.lieuAtout[3][18], 3);
    EXPECT_FALSE(detenteurPossible(k, NORD, SUD, Carte{18, ATOUT}));
    // The discard is not out for the taker.
    EXPECT_EQ(k.cartesDehors[3][CARREAU], 14 - k.cartesDonnees[3][CARREAU] - 4);
    EXPECT_EQ(k.cartesDehors[1][CARREAU], 14 - k.cartesDonnees[1][CARREAU]);
    EXPECT_EQ(k.atoutsDehors[3], 21 - k.atoutsDonnes[3]);
    EXPECT_EQ(k.cartesAutres[3][CARREAU], 14 - 4 - k.cartesDonnees[3][CARREAU]);
    // The discarded Roi is not counted gone before the first trick is over.
    EXPECT_EQ(k.carteMaitresse[CARREAU], 14);
}

TEST(Connaissance, GardeSansNiChienNiRoi) {
    for (Contrat contrat : {GARDE_SANS, GARDE_CONTRE}) {
        auto jeu = nouveauJeu();
        Position p;
        p.contrat = contrat;
        p.chien = {Co(14), P(14), A(5), A(6), A(7), Tr(1)};
        installer(*jeu, p);
        jeu->donne.phase = Phase::ChienMontre;
        initialiserConnaissance(*jeu);
        const Connaissance& k = jeu->connaissance;
        EXPECT_EQ(k.atoutsAuChien, -1);
        for (int c = 1; c <= 4; ++c) EXPECT_FALSE(k.roiAuChien[c]);
        for (Siege o : SIEGES) EXPECT_FALSE(k.ecartConnu[o]);
        EXPECT_EQ(k.detenteurCarte[COEUR][ROI], 0);
        EXPECT_EQ(k.detenteurAtout[5], 0);
    }
}

TEST(Connaissance, CouleurLongueEtMainForte) {
    auto jeu = nouveauJeu();
    Position p;
    p.preneur = OUEST;
    p.contrat = GARDE_SANS;
    // Ten trumps without the Petit, the Excuse, four hearts with Roi and Dame.
    p.mains[4] = {A(21), A(20), A(19),  A(18),  A(10), A(9),  A(8), A(7),  A(6),
                  A(5),  EXC,   Co(14), Co(13), Co(2), Co(3), P(2), Tr(2), Ca(2)};
    // Seat 1: as many spades as hearts, so the random start decides.
    p.mains[1] = {P(14), P(13), P(12), P(11), Co(12), Co(11), Co(10), Co(9)};
    installer(*jeu, p);
    Aleatoire a = jeu->alea;
    initialiserConnaissance(*jeu);
    const Connaissance& k = jeu->connaissance;
    EXPECT_EQ(k.graineInitiale, a.graine);
    // Seats 1 to 4 draw their random start in that order.
    for (Siege s : SIEGES) {
        const int r = a(4);
        int choix = r;
        for (int i = 1; i <= 3; ++i) {
            const int c = (r - 1 + i) % 4 + 1;
            if (k.cartesDonnees[s][c] > k.cartesDonnees[s][choix]) choix = c;
        }
        EXPECT_EQ(k.couleurLongue[s], couleurNumero(choix)) << s;
    }
    EXPECT_EQ(a.graine, jeu->alea.graine);
    EXPECT_EQ(k.couleurLongue[4], COEUR);
    // A = 5 + 2*3 + 4 + 2*2 = 19, two bouts, H = 5 + 3 = 8, but ten trumps.
    EXPECT_TRUE(k.mainForte);

    // The same hand with nine trumps: H < 9 with two bouts.
    Position q = p;
    q.mains[4][9] = Co(4);
    installer(*jeu, q);
    initialiserConnaissance(*jeu);
    EXPECT_FALSE(jeu->connaissance.mainForte);

    // SUD as taker never has a strong hand by this measure.
    Position r = p;
    std::swap(r.mains[1], r.mains[4]);
    r.preneur = SUD;
    installer(*jeu, r);
    initialiserConnaissance(*jeu);
    EXPECT_FALSE(jeu->connaissance.mainForte);
}

TEST(Connaissance, DefausseEtCoupeSeVoientDeTous) {
    auto jeu = nouveauJeu();
    installer(*jeu, quatrePlisDePique());
    initialiserConnaissance(*jeu);
    const Connaissance& k = jeu->connaissance;

    pli(*jeu, {P(14), P(10), P(6), P(3)});
    EXPECT_EQ(k.carteMaitresse[PIQUE], 13);
    EXPECT_EQ(k.etatCouleur[PIQUE], 0);
    pli(*jeu, {P(13), P(9), P(5), P(2)});
    pli(*jeu, {P(12), P(8), P(4), P(1)});
    jouer(*jeu, P(11));
    jouer(*jeu, P(7));
    jouer(*jeu, Ca(2)); // seat 3: no spade, no trump
    for (Siege o : SIEGES) {
        EXPECT_TRUE(k.couleurCoupee[o][3][PIQUE]) << o;
        EXPECT_TRUE(k.sansAtout[o][3]) << o;
        EXPECT_FALSE(detenteurPossible(k, o, NORD, Carte{21, ATOUT}));
    }
    EXPECT_EQ(k.carteMaitresse[PIQUE], 11); // not before the trick is over
    jouer(*jeu, A(2));                      // seat 4 must trump
    for (Siege o : SIEGES) {
        EXPECT_TRUE(k.couleurCoupee[o][4][PIQUE]);
        EXPECT_FALSE(k.sansAtout[o][4]);
    }
    EXPECT_EQ(k.atoutsJoues, 1);
    EXPECT_EQ(k.atoutsEnMain[4], 14);
    EXPECT_EQ(k.atoutsDehors[1], 20);
    EXPECT_EQ(k.atoutsDehors[4], 6); // its own trump changes nothing there
    ramasser(*jeu);
    EXPECT_EQ(k.carteMaitresse[PIQUE], -1);
    EXPECT_EQ(k.cartesDehors[1][PIQUE], 0);
    afficherDeductions(*jeu);
    EXPECT_EQ(jeu->fen.frmQuarvel.ComptesCouleurs[PIQUE].caption, "-");
    EXPECT_TRUE(k.couleurCoupee[1][1][PIQUE]); // seat 1 played its last spade
}

TEST(Connaissance, DeductionParElimination) {
    auto jeu = nouveauJeu();
    Position p;
    p.contrat = GARDE_SANS;
    p.preneur = OUEST;
    p.entame = SUD;
    p.mains[1] = {Ca(1), Ca(2), P(1), P(2)}; // and the hearts
    p.mains[2] = {P(3), P(4), P(5), P(6), P(7), P(8), P(9), P(10), P(11), P(12), P(13), P(14)};
    p.mains[3] = {Ca(3), Ca(4), Ca(5), Ca(6), Ca(7), Ca(8), Ca(9), Ca(10)};
    p.mains[4] = {A(1),  A(2),  A(3),  A(4),  A(5),  A(6),  A(7),  A(8),  A(9),
                  A(10), A(11), A(12), A(13), A(14), A(15), A(16), A(17), A(18)};
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    const Connaissance& k = jeu->connaissance;

    pli(*jeu, {Ca(1), P(3), Ca(3), A(2)}); // seat 2 discards, seat 4 trumps
    for (Siege o : SIEGES) {
        EXPECT_TRUE(k.couleurCoupee[o][2][CARREAU]);
        EXPECT_TRUE(k.sansAtout[o][2]);
        EXPECT_TRUE(k.couleurCoupee[o][4][CARREAU]);
        EXPECT_FALSE(k.sansAtout[o][4]);
    }
    // Only seat 3 may hold the diamonds SUD does not see, but SUD does not know the dog yet.
    EXPECT_FALSE(k.ecartConnu[1]);
    EXPECT_EQ(k.lieuCarte[1][CARREAU][5], LIEU_INCONNU);
    jouer(*jeu, A(3));
    EXPECT_EQ(k.lieuCarte[1][CARREAU][5], LIEU_INCONNU);
    jouer(*jeu, P(1)); // the sixth card of the deal
    EXPECT_TRUE(k.ecartConnu[1]);
    EXPECT_EQ(k.lieuCarte[1][CARREAU][5], 3);
    EXPECT_EQ(k.cartesAutres[1][CARREAU], 14 - 3);
    // Once located, a card stays where it was put.
    jouer(*jeu, P(4));
    jouer(*jeu, Tr(7));
    EXPECT_EQ(k.lieuAtout[4][21], 3);

    // Led by the taker, trumps show at once that no defender has any: those the taker does
    // not see are in the dog, known even before six cards have gone.
    p.entame = OUEST;
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    jouer(*jeu, A(3));
    jouer(*jeu, P(1));
    jouer(*jeu, P(3));
    EXPECT_EQ(k.lieuAtout[4][21], LIEU_INCONNU);
    jouer(*jeu, Tr(7));
    EXPECT_FALSE(k.ecartConnu[4]);
    EXPECT_EQ(k.lieuAtout[4][21], LIEU_ECART);
    EXPECT_EQ(k.atoutsAutres[4], 0);
    EXPECT_EQ(k.lieuAtout[4][0], LIEU_INCONNU); // the Excuse may be anywhere
}

TEST(Connaissance, AtoutSousLePlusFortEtExcuse) {
    auto jeu = nouveauJeu();
    Position p;
    p.contrat = GARDE_SANS;
    p.preneur = NORD;
    p.entame = SUD;
    p.mains[1] = {A(10), EXC};
    p.mains[2] = {A(15), A(3)};
    p.mains[3] = {A(12), A(4)};
    p.mains[4] = {A(21), A(2)};
    // Seat 4 also gets the Petit and trumps 5 to 13; the dog holds the 20.
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    const Connaissance& k = jeu->connaissance;
    EXPECT_EQ(k.atoutMaitre[2], 21);

    jouer(*jeu, A(10));
    jouer(*jeu, A(15));
    jouer(*jeu, A(4)); // nothing above the 15: seat 3 shows it has none
    for (Siege o : SIEGES) {
        for (int v = 16; v <= 21; ++v)
            EXPECT_FALSE(detenteurPossible(k, o, NORD, Carte{v, ATOUT})) << v;
        if (o != NORD) {
            EXPECT_TRUE(detenteurPossible(k, o, NORD, Carte{14, ATOUT})); // still may be there
        }
    }
    EXPECT_FALSE(k.sansAtout[1][3]);
    jouer(*jeu, A(21)); // the highest trump falls in the middle of the trick
    EXPECT_EQ(k.atoutMaitre[2], 21);
    afficherDeductions(*jeu);
    EXPECT_EQ(jeu->fen.frmQuarvel.PanelAtoutMax.caption, "21");
    EXPECT_TRUE(jeu->fen.frmQuarvel.Panel21.visible);
    EXPECT_FALSE(jeu->fen.frmQuarvel.PanelPetit.visible);
    ramasser(*jeu);
    EXPECT_EQ(k.atoutMaitre[2], 20);
    afficherDeductions(*jeu);
    EXPECT_EQ(jeu->fen.frmQuarvel.PanelAtoutMax.caption, "20");

    // The Excuse is no trump for the counts.
    const int joues = k.atoutsJoues;
    const int enMain = k.atoutsEnMain[1];
    const int dehors = k.atoutsDehors[2];
    jouer(*jeu, A(5));
    jouer(*jeu, EXC);
    EXPECT_EQ(k.atoutsJoues, joues + 1);
    EXPECT_EQ(k.atoutsEnMain[1], enMain);
    EXPECT_EQ(k.atoutsDehors[2], dehors - 1);
    afficherDeductions(*jeu);
    EXPECT_TRUE(jeu->fen.frmQuarvel.PanelExcuse.visible);
    EXPECT_EQ(k.detenteurExcuse, LIEU_JOUEE);
}

TEST(Connaissance, EntamesDuPreneurEtSignal) {
    auto jeu = nouveauJeu();
    Position p;
    p.contrat = GARDE_SANS;
    p.preneur = EST;
    p.entame = EST;
    p.mains[1] = {P(1), A(9)};
    p.mains[2] = {P(5), P(6), A(20)};
    p.mains[3] = {P(14), A(1), A(8)};
    p.mains[4] = {P(2), A(7), A(15)};
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    const Connaissance& k = jeu->connaissance;

    pli(*jeu, {P(5), P(14), P(2), P(1)});
    EXPECT_EQ(k.nbEntamesPreneur, 1);
    EXPECT_EQ(k.entamesPreneur[1], PIQUE);
    EXPECT_EQ(k.entamePreneur1, PIQUE);
    EXPECT_EQ(k.entamePreneur2, AUCUNE);
    EXPECT_EQ(k.derniereEntamePreneur, PIQUE);
    EXPECT_TRUE(k.couleursJoueesPreneur[PIQUE]);
    EXPECT_FALSE(k.pasEncoreEntame[2]);
    EXPECT_TRUE(k.pasEncoreEntame[3]);

    // A defender's first lead is the Petit: it signals, and the Petit ends the signal.
    jouer(*jeu, A(1));
    EXPECT_EQ(k.signaleur, NORD);
    EXPECT_FALSE(k.signalAtout);
    EXPECT_TRUE(k.petitDansPli);
    EXPECT_FALSE(k.ecartAtoutsSuspect);
    jouer(*jeu, A(7)); // six above the Petit: suspicious
    EXPECT_TRUE(k.ecartAtoutsSuspect);
    jouer(*jeu, A(9));
    jouer(*jeu, A(20));
    ramasser(*jeu);
    EXPECT_FALSE(k.petitDansPli);

    // The taker leads spades again: the same suit fills the second entry too.
    jouer(*jeu, P(6));
    EXPECT_EQ(k.nbEntamesPreneur, 1);
    EXPECT_EQ(k.entamePreneur2, PIQUE);

    // The taker's latest lead outlives the deal.
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    EXPECT_EQ(k.derniereEntamePreneur, PIQUE);
    EXPECT_EQ(k.entamePreneur1, AUCUNE);
    EXPECT_EQ(k.signaleur, Siege::Aucun);
}

TEST(Connaissance, CoupesDeLaDefenseEtPetitDuPreneur) {
    for (int niveau : {2, 4}) {
        auto jeu = nouveauJeu();
        jeu->reglages.niveau = niveau;
        Position p;
        p.contrat = GARDE_SANS;
        p.preneur = EST;
        p.entame = EST;
        p.mains[1] = {Co(1), Co(9), Co(10), Co(11)};
        p.mains[2] = {Co(14), Co(2), Co(3), Co(4), Co(5), Co(6), Co(7), Co(8), A(1),
                      A(3),   A(4),  A(5),  Tr(1), Tr(2), Tr(3), Ca(1), Ca(2), Ca(3)};
        p.mains[3] = {Co(12), Co(13), P(11), P(12), P(13), P(14)};
        p.mains[4] = {P(1),  P(2),  P(3),  P(4),  P(5),  P(6),  P(7),  P(8),  P(9),
                      P(10), A(10), A(11), A(12), A(13), A(14), A(15), A(16), A(17)};
        installer(*jeu, p);
        initialiserConnaissance(*jeu);
        const Connaissance& k = jeu->connaissance;
        ASSERT_EQ(k.couleurLongue[2], COEUR);
        EXPECT_TRUE(k.roiSec[COEUR] == false);

        pli(*jeu, {Co(14), Co(12), A(10), Co(1)});
        EXPECT_TRUE(k.cavalierSousRoi);
        EXPECT_TRUE(k.defenseCoupeLongue);
        pli(*jeu, {P(1), Tr(4), A(1), P(11)}); // the taker trumps with the Petit
        EXPECT_EQ(k.preneurCoupeDuPetit, 0);
        EXPECT_EQ(k.entamePreneur1, COEUR);
        jouer(*jeu, A(3));
        EXPECT_EQ(k.preneurCoupeDuPetit, niveau >= 3 ? -1 : 0) << niveau;
        EXPECT_EQ(k.derniereEntamePreneur, ATOUT);
    }
}
