// Defenders capturing or keeping honours, the taker covering, and the discards of a defender
// without trumps. EST (seat 2) takes; NORD 3, OUEST 4 and SUD 1 defend in that order.
#include "ia/regles_fixture.h"

using namespace quarvel;
using namespace quarvel::test;

TEST_F(Regles, LeRoiPrendLaDameDuPreneur) {
    Position p;
    p.entame = EST;
    p.mains[EST] = {Co(13)};
    p.mains[NORD] = {Co(14), Co(6), Co(2)};
    for (int niveau : {3, 4}) {
        partir(p, niveau);
        jouerCartes({Co(13)});
        EXPECT_EQ(decision(), "COEUR14") << niveau;
        EXPECT_EQ(regle(), 15) << niveau;
    }
}

TEST_F(Regles, SurLaPetiteEntameDuPreneur) {
    Position p;
    p.entame = EST;
    p.mains[EST] = {Co(5)};
    // Roi, Dame, Cavalier: the Dame.
    p.mains[NORD] = {Co(14), Co(13), Co(12), Co(3)};
    partir(p);
    jouerCartes({Co(5)});
    EXPECT_EQ(decision(), "COEUR13");
    EXPECT_EQ(regle(), 18);
    // Down to the Valet: the Cavalier.
    p.mains[NORD] = {Co(14), Co(13), Co(12), Co(11), Co(3)};
    partir(p);
    jouerCartes({Co(5)});
    EXPECT_EQ(decision(), "COEUR12");
    // A Roi without a neighbour stays in hand.
    p.mains[NORD] = {Co(14), Co(9), Co(2)};
    partir(p);
    jouerCartes({Co(5)});
    EXPECT_EQ(choisir(), noms({Co(9), Co(2)}));
}

TEST_F(Regles, BattreLePreneurQuiMene) {
    // Behind the taker's Dame, the Roi.
    Position p;
    p.mains[SUD] = {Tr(4)};
    p.mains[EST] = {Tr(13)};
    p.mains[NORD] = {Tr(14), Tr(12), Tr(2)};
    partir(p);
    jouerCartes({Tr(4), Tr(13)});
    EXPECT_EQ(decision(), "TREFLE14");
    EXPECT_EQ(regle(), 13);

    // The taker, last, covers a Cavalier with his Roi.
    Position q;
    q.entame = NORD;
    q.mains[NORD] = {Ca(12)};
    q.mains[OUEST] = {Ca(3)};
    q.mains[SUD] = {Ca(5)};
    q.mains[EST] = {Ca(14), Ca(9)};
    partir(q);
    jouerCartes({Ca(12), Ca(3), Ca(5)});
    EXPECT_EQ(decision(), "CARREAU14");
    EXPECT_EQ(regle(), 17);
}

TEST_F(Regles, LaDameSeuleNeMontePasSurUneEntameMoyenne) {
    Position p;
    p.entame = NORD;
    p.mains[NORD] = {P(8)};
    p.mains[OUEST] = {P(13), P(4), P(2)};
    partir(p);
    con().roiAuChien[PIQUE] = false;
    jouerCartes({P(8)});
    EXPECT_EQ(choisir(), noms({P(4), P(2)}));
}

TEST_F(Regles, LaDefenseSansAtoutDonneOuGardeSesHonneurs) {
    // SUD, void in clubs and without trumps, plays second on OUEST's club lead.
    Position p;
    p.entame = OUEST;
    p.mains[OUEST] = {Tr(6)};
    p.mains[SUD] = {P(14),  P(11), P(5),  P(3),  Co(13), Co(12), Co(4), Co(2), Ca(14),
                    Ca(10), Ca(9), Ca(8), Ca(7), Ca(6),  Ca(5),  Ca(4), Ca(3), Ca(2)};
    const auto petites = noms(
        {P(5), P(3), Co(4), Co(2), Ca(10), Ca(9), Ca(8), Ca(7), Ca(6), Ca(5), Ca(4), Ca(3), Ca(2)});
    // The taker still to play may win it: keep every honour.
    partir(p);
    jouerCartes({Tr(6)});
    EXPECT_EQ(choisir(), petites);

    // Known void in clubs and without trumps, he cannot: throw an honour, whatever the draws.
    for (std::uint32_t graine = 1; graine <= 12; ++graine) {
        partir(p);
        jouerCartes({Tr(6)});
        con().couleurCoupee[SUD][EST][TREFLE] = true;
        con().sansAtout[SUD][EST] = true;
        jeu->alea.graine = graine;
        const auto reste = choisir();
        EXPECT_EQ(regle(), 24);
        ASSERT_EQ(reste.size(), 1u);
        EXPECT_EQ(std::find(petites.begin(), petites.end(), reste[0]), petites.end()) << reste[0];
    }
}
