// The taker on lead: drawing trumps, cashing, and his first leads. He is EST (seat 2) and plays a
// GARDE SANS, so that no discard hides a trump from him.
#include "ia/regles_fixture.h"

using namespace quarvel;
using namespace quarvel::test;

namespace {

Position preneurEntame(std::vector<Carte> main) {
    Position p;
    p.contrat = GARDE_SANS;
    p.entame = EST;
    p.mains[EST] = std::move(main);
    return p;
}

} // namespace

TEST_F(Regles, LePreneurTireLesAtouts) {
    // Only the Petit is still out: hunt it with the 21.
    std::vector<Carte> atouts;
    for (int v = 21; v >= 6; --v) atouts.push_back(A(v));
    atouts.push_back(P(9));
    atouts.push_back(Co(4));
    Position p = preneurEntame(atouts);
    p.mains[NORD] = {A(1)};
    partir(p);
    con().atoutsJoues = 4;
    EXPECT_EQ(decision(), "ATOUT21");
    EXPECT_EQ(regle(), 8);

    // Three masters against two trumps out: draw them.
    partir(preneurEntame({A(21), A(20), A(19), P(12), P(9)}));
    con().atoutsDehors[EST] = 2;
    EXPECT_EQ(decision(), "ATOUT21");
    EXPECT_EQ(regle(), 10);
    con().atoutsDehors[EST] = 5;
    choisir();
    EXPECT_NE(regle(), 10);

    // A strong hand without enough masters leads a middle trump, two thirds of the way down.
    partir(preneurEntame(mainDe({A(17), A(15), A(12), A(9), A(6), A(4), A(3)}, {PIQUE, COEUR})));
    con().mainForte = true;
    EXPECT_EQ(decision(), "ATOUT6"); // 2 x 7 / 3 rounded: the fifth
    EXPECT_EQ(regle(), 22);
}

TEST_F(Regles, AtoutsTombesLePreneurCedeSousLaMaitresse) {
    // He holds the Roi of three suits; in spades he gives a small card under the Roi out.
    partir(preneurEntame({A(8), A(7), A(6), A(5), P(13), P(7), P(3), Co(14), Co(5), Co(4), Co(3),
                          Tr(14), Tr(6), Tr(5), Tr(4), Ca(14), Ca(4), Ca(3)}));
    con().atoutsDehors[EST] = 0;
    EXPECT_EQ(decision(), "PIQUE7");
    EXPECT_EQ(regle(), 11);

    // Without trumps left, he cashes the one master card he holds.
    partir(preneurEntame(mainDe({Co(14)}, {PIQUE, COEUR, TREFLE})));
    con().atoutsDehors[EST] = 0;
    EXPECT_EQ(decision(), "COEUR14");
    EXPECT_EQ(regle(), 11);
}

TEST_F(Regles, PremieresEntamesDuPreneur) {
    const std::vector<Carte> longue = {A(20),  A(16),  A(11), A(8),  A(6),  A(2),
                                       Co(14), Co(12), Co(9), Co(7), Co(4), Co(2),
                                       P(10),  P(8),   Tr(9), Tr(3), Ca(6), Ca(5)};
    // The long suit from its Roi,
    partir(preneurEntame(longue));
    EXPECT_EQ(decision(), "COEUR14");
    EXPECT_EQ(regle(), 48);
    // from the bottom once a defender has ruffed it,
    con().defenseCoupeLongue = true;
    EXPECT_EQ(decision(), "COEUR2");
    EXPECT_EQ(regle(), 49);
    // and from its highest small card under Cavalier and Valet.
    auto sansRoi = longue;
    sansRoi[6] = Co(11);
    partir(preneurEntame(sansRoi));
    EXPECT_EQ(decision(), "COEUR9");
    EXPECT_EQ(regle(), 48);

    // Nine trumps with the Petit and a long suit headed by the Roi: his sixth trump.
    partir(preneurEntame({A(19), A(17), A(15), A(12), A(10), A(8), A(6), A(4), A(1), Co(14), Co(9),
                          Co(7), Co(4), Co(2), P(10), P(8), Tr(9), Tr(3)}));
    EXPECT_EQ(decision(), "ATOUT8");
    EXPECT_EQ(regle(), 42);
}

TEST_F(Regles, LePreneurEntameSonSingletonAvecAssezDAtouts) {
    const std::vector<Carte> huit = {A(20), A(16), A(11), A(8),  A(6),  A(5),  A(4), A(2),  Co(14),
                                     Co(9), Co(7), Co(4), Co(2), Ca(6), P(10), P(8), Tr(9), Tr(3)};
    auto six = huit;
    six[6] = P(5);
    six[7] = Tr(7);
    // The threshold, 7 or 8 trumps, is drawn at each decision.
    for (std::uint32_t graine = 1; graine <= 20; ++graine) {
        partir(preneurEntame(huit));
        jeu->alea.graine = graine;
        EXPECT_EQ(decision(), "CARREAU6");
        EXPECT_EQ(regle(), 43);
        partir(preneurEntame(six));
        jeu->alea.graine = graine;
        choisir();
        EXPECT_NE(regle(), 43);
    }
}
