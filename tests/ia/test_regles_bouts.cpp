// The fate of the Excuse and the Petit. Seats: SUD 1, the taker EST 2, then NORD 3 (first
// defender after him), OUEST 4; SUD is the defender just before the taker.
#include "ia/regles_fixture.h"

using namespace quarvel;
using namespace quarvel::test;

namespace {

bool contient(const std::vector<std::string>& v, const std::string& nom) {
    return std::find(v.begin(), v.end(), nom) != v.end();
}

} // namespace

TEST_F(Regles, LExcuseSeJoueAuPliDixSept) {
    Position p;
    p.mains[SUD] = {EXC};
    partir(p);
    jeu->donne.numeroPli = 17;
    EXPECT_EQ(decision(), "ATOUT22");
    EXPECT_EQ(regle(), 1);
}

TEST_F(Regles, LePetitNeSEntamePas) {
    // A defender holding the Petit leads a plain card.
    Position p;
    p.mains[SUD] = {A(1), A(15), A(9), P(3), P(8), Co(5)};
    partir(p);
    auto reste = choisir();
    ASSERT_FALSE(reste.empty());
    for (const auto& nom : reste) EXPECT_EQ(nom.rfind("ATOUT", 0), std::string::npos) << nom;

    // With nothing but trumps, the highest: the Petit stays guarded.
    p.mains[SUD] = {A(1),  A(2),  A(3),  A(4),  A(5),  A(6),  A(7),  A(8),  A(9),
                    A(10), A(11), A(12), A(13), A(14), A(15), A(16), A(17), A(18)};
    partir(p);
    EXPECT_EQ(decision(), "ATOUT18");
    EXPECT_EQ(regle(), 32);
}

TEST_F(Regles, LExcuseResteEnMainDevantLePreneur) {
    // Leading just before the taker.
    Position p;
    p.mains[SUD] = {EXC, P(3), P(8)};
    partir(p);
    EXPECT_FALSE(contient(choisir(), "ATOUT22"));

    // Second to play, the taker still to come.
    Position q;
    q.entame = NORD;
    q.mains[NORD] = {P(5), A(1)};
    q.mains[OUEST] = {EXC, P(9), P(2)};
    q.mains[SUD] = mainDe({P(7), P(4)}, {COEUR, TREFLE});
    partir(q);
    jouerCartes({P(5)});
    EXPECT_EQ(choisir(), noms({P(9), P(2)}));

    // The taker keeps it off a trick holding the Petit.
    Position r;
    r.contrat = GARDE_SANS;
    r.mains[SUD] = {A(1)};
    r.mains[EST] = {EXC, A(20), A(14)};
    partir(r);
    jouerCartes({A(1)});
    EXPECT_EQ(choisir(), noms({A(20), A(14)}));
}

TEST_F(Regles, LePreneurPlaceLExcuse) {
    // On a trump lead, not while a defender may still hold the Petit...
    Position p;
    p.mains[SUD] = {A(6)};
    p.mains[NORD] = {A(1)};
    p.mains[EST] = {EXC, A(15), A(9)};
    partir(p);
    jouerCartes({A(6)});
    choisir();
    EXPECT_NE(regle(), 36);
    // ... but once it is played.
    con().detenteurPetit = LIEU_JOUEE;
    EXPECT_EQ(decision(), "ATOUT22");
    EXPECT_EQ(regle(), 36);

    // On a trick he cannot win.
    Position r;
    r.entame = NORD;
    r.mains[NORD] = {P(14)};
    r.mains[OUEST] = {P(3)};
    r.mains[SUD] = {P(4)};
    r.mains[EST] = {P(2), EXC};
    partir(r);
    jouerCartes({P(14), P(3), P(4)});
    EXPECT_EQ(decision(), "ATOUT22");
    EXPECT_EQ(regle(), 37);
}

TEST_F(Regles, LePetitSauveOuJoue) {
    // Under the taker's small trump, with big trumps still out.
    Position p;
    p.entame = EST;
    p.mains[EST] = {A(6)};
    p.mains[NORD] = {A(5), A(3), A(1)};
    partir(p);
    jouerCartes({A(6)});
    EXPECT_EQ(decision(), "ATOUT1");
    EXPECT_EQ(regle(), 23);

    // Last to play and able to win the trick.
    Position q;
    q.entame = EST;
    q.mains[EST] = {P(10)};
    q.mains[NORD] = {P(5)};
    q.mains[OUEST] = {P(3)};
    q.mains[SUD] = mainDe({A(7), A(1)}, {COEUR, TREFLE});
    partir(q);
    jouerCartes({P(10), P(5), P(3)});
    EXPECT_EQ(decision(), "ATOUT1");
    EXPECT_EQ(regle(), 27);

    // Under a partner's master trump.
    Position r;
    r.entame = NORD;
    r.mains[NORD] = {A(21)};
    r.mains[OUEST] = {A(3)};
    r.mains[SUD] = mainDe({A(4), A(1)}, {COEUR, TREFLE});
    partir(r);
    jouerCartes({A(21), A(3)});
    EXPECT_EQ(decision(), "ATOUT1");
    EXPECT_EQ(regle(), 29);

    // A defender with seven trumps and the Petit ruffs with his highest.
    Position s;
    s.entame = NORD;
    s.mains[NORD] = {Ca(4)};
    s.mains[OUEST] = {Ca(6)};
    s.mains[SUD] = mainDe({A(18), A(12), A(9), A(7), A(5), A(3), A(1)}, {COEUR, TREFLE});
    partir(s);
    jouerCartes({Ca(4), Ca(6)});
    EXPECT_EQ(decision(), "ATOUT18");
    EXPECT_EQ(regle(), 32);
}

TEST_F(Regles, LePreneurGardeLePetitQuandLaDefenseNaPlusDAtout) {
    Position p;
    p.entame = NORD;
    p.mains[NORD] = {P(5)};
    p.mains[OUEST] = {P(3)};
    p.mains[SUD] = {P(4)};
    p.mains[EST] = mainDe({A(10), A(1)}, {COEUR, TREFLE});
    partir(p);
    jouerCartes({P(5), P(3), P(4)});
    EXPECT_EQ(decision(), "ATOUT1"); // last, he can win with it
    EXPECT_EQ(regle(), 27);

    for (Siege d : {NORD, OUEST, SUD}) con().sansAtout[EST][d] = true;
    EXPECT_EQ(choisir(), noms({A(10)}));
    EXPECT_EQ(regle(), 0);
}
