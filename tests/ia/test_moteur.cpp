#include "ia/moteur.h"
#include "ia/position.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// Rules standing in for the real ones, to watch what the pass does.
struct Trace {
    Tableau<int, 74> appels;
    int garder = -1; // the rule that tries to keep `slot`
    int slot = 0;
};
Trace trace;

template <int K> void espion(PartieIA& jeu, const ContexteDecision& ctx) {
    ++trace.appels[K];
    if (K == trace.garder && garderSeule(jeu, ctx.moi, trace.slot)) noterRegle(jeu, ctx.moi);
}

template <int... K> Tableau<FonctionRegle, 74> tableEspion(std::integer_sequence<int, K...>) {
    return {{espion<K + 1>...}};
}
const Tableau<FonctionRegle, 74> espions = tableEspion(std::make_integer_sequence<int, 74>{});

class Moteur : public ::testing::Test {
protected:
    void SetUp() override {
        trace = Trace{};
        jeu = nouveauJeu();
        installer(*jeu, Position{});
        initialiserConnaissance(*jeu);
        jeu->moteur.autresRegles = &espions;
    }
    std::unique_ptr<Jeu> jeu;
};

} // namespace

TEST_F(Moteur, UneSeuleCarteJouableSeJoueSansRegle) {
    candidats(*jeu, SUD, {7});
    jeu->reglages.optionNiveauAdaptatif = true;
    Aleatoire attendu = jeu->alea;
    EXPECT_EQ(jouerOrdinateur(*jeu, SUD), 7);
    for (int k = 1; k <= 74; ++k) EXPECT_EQ(trace.appels[k], 0) << k;
    // Only the slot draws moved the random source.
    while (attendu(18) != 7) {
    }
    EXPECT_EQ(jeu->alea.graine, attendu.graine);
    EXPECT_EQ(jeu->moteur.nbReglesDeclenchees, 0);
}

TEST_F(Moteur, LeNiveauEteintLesRegles) {
    candidats(*jeu, SUD, {1, 2, 3});
    jeu->reglages.niveau = 1;
    choisirCarte(*jeu, SUD);
    const int eteintes[] = {8,  10, 11, 12, 13, 14, 15, 16, 17, 18, 22,
                            23, 24, 28, 38, 39, 42, 43, 47, 48, 49, 56};
    for (int k : eteintes) {
        EXPECT_EQ(trace.appels[k], 0) << k;
        EXPECT_EQ(jeu->moteur.etatRegle[k], 0) << k;
    }
    int appelees = 0;
    for (int k = 1; k <= 74; ++k) appelees += trace.appels[k];
    EXPECT_EQ(appelees, 74 - 22);

    trace = Trace{};
    jeu->reglages.niveau = 2;
    choisirCarte(*jeu, SUD);
    for (int k : {8, 13, 28, 56}) EXPECT_EQ(trace.appels[k], 1) << k;
    for (int k : {10, 11, 24, 43}) EXPECT_EQ(trace.appels[k], 0) << k;
}

TEST_F(Moteur, LaPremiereDecisionArreteLaPasse) {
    candidats(*jeu, SUD, {2, 5, 9});
    trace.garder = 30;
    trace.slot = 5;
    choisirCarte(*jeu, SUD);
    EXPECT_EQ(trace.appels[30], 1);
    for (int k = 31; k <= 74; ++k) EXPECT_EQ(trace.appels[k], 0) << k;
    EXPECT_EQ(jeu->moteur.etatRegle[30], 2);
    ASSERT_EQ(jeu->moteur.nbReglesDeclenchees, 1);
    EXPECT_EQ(jeu->moteur.reglesDeclenchees[1].regle, 30);
    EXPECT_EQ(jeu->moteur.reglesDeclenchees[1].siege, SUD);
    EXPECT_EQ(jouerOrdinateur(*jeu, SUD), 5);
}

TEST_F(Moteur, UneCarteNonCandidateNeDecideRien) {
    candidats(*jeu, SUD, {2, 5, 9});
    trace.garder = 12;
    trace.slot = 6;
    choisirCarte(*jeu, SUD);
    EXPECT_FALSE(jeu->moteur.decisionPrise);
    EXPECT_EQ(jeu->moteur.nbReglesDeclenchees, 0);
    for (int k = 13; k <= 74; ++k) EXPECT_EQ(trace.appels[k], 1) << k;
    int n = 0;
    for (int i = 1; i <= 18; ++i) n += jeu->donne.cartesJouables[1][i];
    EXPECT_EQ(n, 3);
}

TEST_F(Moteur, PoidsAdaptatifs) {
    candidats(*jeu, SUD, {2, 5, 9});
    jeu->reglages.optionNiveauAdaptatif = true;
    jeu->reglages.poidsRegles.remplir(60);
    // Over many passes, fixed rules always run, adaptive ones about 59 times in 100.
    int fixes = 0, adaptatives = 0;
    const int passes = 400;
    for (int i = 0; i < passes; ++i) choisirCarte(*jeu, SUD);
    for (int k = 1; k <= 74; ++k) {
        if (regleFixe(k))
            EXPECT_EQ(trace.appels[k], passes) << k;
        else
            adaptatives += trace.appels[k], ++fixes;
    }
    const double taux = double(adaptatives) / (fixes * passes);
    EXPECT_GT(taux, 0.55);
    EXPECT_LT(taux, 0.63);

    // Every available adaptive rule draws once, even at a weight of 100 or more.
    jeu->reglages.poidsRegles.remplir(150);
    Aleatoire avant = jeu->alea;
    choisirCarte(*jeu, SUD);
    for (int k = 1; k <= 74; ++k)
        if (!regleFixe(k)) avant(100);
    EXPECT_EQ(avant.graine, jeu->alea.graine);
}

TEST_F(Moteur, AdaptationDesPoids) {
    jeu->donne.preneur = NORD;
    auto& p = jeu->reglages.poidsRegles;
    p[10] = 100;
    p[11] = 150;
    p[12] = 60;
    p[13] = 100;
    auto& m = jeu->moteur;
    m.nbReglesDeclenchees = 0;
    for (auto [k, s] : {std::pair{10, 3}, {11, 3}, {12, 2}, {13, 4}, {13, 3}, {10, 3}}) {
        ++m.nbReglesDeclenchees;
        m.reglesDeclenchees[m.nbReglesDeclenchees] = {k, siegeNumero(s)};
    }
    adapterPoids(*jeu, true);
    EXPECT_EQ(p[10], 110);
    EXPECT_EQ(p[11], 150);
    EXPECT_EQ(p[12], 60);
    EXPECT_EQ(p[13], 100); // lost once by a defender, won once by the taker
    adapterPoids(*jeu, false);
    EXPECT_EQ(p[10], 100);
    EXPECT_EQ(p[11], 145);
    EXPECT_EQ(p[12], 65);
}

TEST_F(Moteur, RetraitsSansJamaisViderLaMain) {
    Position p;
    p.mains[1] = {A(21), A(5), P(14), P(3), Co(2)};
    installer(*jeu, p);
    // Slots: 1 = 21, 2 = 5, then spades, hearts... (sorted).
    const int roi = slotDe(*jeu, SUD, PIQUE, ROI);
    const int trois = slotDe(*jeu, SUD, PIQUE, 3);
    candidats(*jeu, SUD, {1, 2});
    retirerCouleur(*jeu, SUD, ATOUT);
    EXPECT_EQ(jeu->donne.cartesJouables[1][1] + jeu->donne.cartesJouables[1][2], 2);
    candidats(*jeu, SUD, {1, 2, roi, trois});
    retirerCouleur(*jeu, SUD, PIQUE);
    EXPECT_EQ(jeu->donne.cartesJouables[1][roi], 0);
    EXPECT_EQ(jeu->donne.cartesJouables[1][1], 1);
    retirerCarte(*jeu, SUD, ATOUT, 21);
    retirerCarte(*jeu, SUD, ATOUT, 5);
    EXPECT_EQ(jeu->donne.cartesJouables[1][2], 1); // the last one stays
    EXPECT_FALSE(garderSeule(*jeu, SUD, roi));
    EXPECT_TRUE(garderSeule(*jeu, SUD, 2));
}

TEST(Requetes, OrdreDeJeu) {
    // Seat 2 at position 2: everyone but seat 1 plays after it.
    EXPECT_TRUE(joueApres(EST, NORD, 2));
    EXPECT_TRUE(joueApres(EST, OUEST, 2));
    EXPECT_FALSE(joueApres(EST, SUD, 2));
    EXPECT_TRUE(joueApres(EST, NORD, 3));
    EXPECT_FALSE(joueApres(EST, OUEST, 3));
    EXPECT_FALSE(joueApres(EST, NORD, 4));
    EXPECT_TRUE(joueApres(EST, SUD, 1));
    EXPECT_FALSE(joueApres(EST, EST, 1));
}

TEST(Requetes, LaCoupeResteGagnante) {
    auto jeu = nouveauJeu();
    Position p;
    p.preneur = OUEST;
    p.mains[1] = {P(2)};
    p.mains[2] = {A(3)};
    p.mains[3] = {P(14), A(2)};
    p.mains[4] = {P(13), P(1), A(4), A(20)};
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    jouer(*jeu, P(2));  // seat 1 leads a small spade
    jouer(*jeu, A(3));  // seat 2 ruffs
    jouer(*jeu, P(14)); // the spade king does not beat a ruff
    EXPECT_EQ(gagnantActuel(*jeu, OUEST), EST);
    jouables(*jeu, OUEST);
    // The taker must follow spades and cannot win.
    EXPECT_EQ(carteQuiBat(*jeu, OUEST), -1);
    const ContexteDecision ctx = contexteDecision(*jeu, OUEST);
    EXPECT_EQ(ctx.position, 4);
    EXPECT_EQ(ctx.W, EST);
    EXPECT_EQ(ctx.D1, SUD);
    EXPECT_EQ(ctx.D3, NORD);
}

TEST(Requetes, ExcuseEntameeEtDefenseMaitresse) {
    auto jeu = nouveauJeu();
    Position p;
    p.preneur = NORD;
    p.contrat = GARDE_SANS;
    p.mains[1] = {EXC, P(9)};
    p.mains[2] = {P(2), P(14)};
    p.mains[3] = {P(5), P(10), A(4)};
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    jouer(*jeu, EXC);
    // Whatever follows a led Excuse takes the trick from it.
    EXPECT_EQ(gagnantActuel(*jeu, EST), SUD);
    jouables(*jeu, EST);
    EXPECT_EQ(carteQuiBat(*jeu, EST), 100); // a defender is winning and seat 2 defends
    jouer(*jeu, P(2));
    EXPECT_EQ(gagnantActuel(*jeu, NORD), EST);
    jouables(*jeu, NORD);
    // The taker's lowest winning card: scanned from the end of the hand.
    EXPECT_EQ(carteQuiBat(*jeu, NORD), slotDe(*jeu, NORD, PIQUE, 5));
    EXPECT_EQ(contexteDecision(*jeu, NORD).position, 3);
}

TEST(Requetes, CandidatsEtDetenteurs) {
    auto jeu = nouveauJeu();
    Position p;
    p.preneur = EST;
    p.contrat = GARDE_SANS;
    p.mains[1] = {A(20),  A(19),  A(17), A(6),  A(3),  A(1),  P(14),  P(3),  P(2),
                  Co(13), Co(12), Co(2), Co(3), Co(4), Co(1), Tr(14), Tr(2), Ca(12)};
    p.mains[2] = {A(21), A(18)};
    installer(*jeu, p);
    initialiserConnaissance(*jeu);
    auto& j = jeu->donne.cartesJouables[1];
    for (int i = 1; i <= 18; ++i) j[i] = 1;
    const auto slot = [&](const Carte& c) { return slotDe(*jeu, SUD, c.couleur, c.valeur); };

    EXPECT_EQ(plusPetiteCarteCouleur(*jeu, SUD), slot(Co(1)));
    EXPECT_EQ(plusPetitAtout(*jeu, SUD), slot(A(3))); // never the Petit
    EXPECT_EQ(plusPetitAtoutPair(*jeu, SUD), slot(A(6)));
    EXPECT_EQ(plusHauteHonneur(*jeu, SUD), slot(P(14))); // ties: the first in hand order
    EXPECT_EQ(roiGarde(*jeu, SUD, PIQUE), slot(P(14)));
    EXPECT_EQ(roiGarde(*jeu, SUD, TREFLE), -1); // one card under it only
    EXPECT_EQ(petiteSousHonneur(*jeu, SUD, COEUR), slot(Co(1)));
    EXPECT_EQ(nbCartesCouleur(*jeu, SUD, COEUR), 6);
    EXPECT_TRUE(honneurVoisin(*jeu, SUD, COEUR, DAME)); // holds the Cavalier
    EXPECT_TRUE(honneurVoisin(*jeu, SUD, COEUR, ROI));  // holds the Dame
    EXPECT_FALSE(honneurVoisin(*jeu, SUD, PIQUE, ROI));

    // The taker holds the 21: seat 1's 20 and 19 are no masters yet.
    EXPECT_EQ(atoutsMaitresTenus(*jeu, SUD), 0);
    EXPECT_EQ(atoutsMaitresTenus(*jeu, EST), 1);

    // Fewer candidates: the queries only see what is left.
    j[slot(Co(1))] = 0;
    j[slot(Co(2))] = 0;
    j[slot(P(14))] = 0;
    EXPECT_EQ(plusPetiteCarteCouleur(*jeu, SUD), slot(P(2))); // a 2 in two suits: spades first
    EXPECT_EQ(plusHauteHonneur(*jeu, SUD), slot(Tr(14)));
    EXPECT_EQ(roiGarde(*jeu, SUD, PIQUE), -1);
    EXPECT_EQ(petiteSousHonneur(*jeu, SUD, COEUR), -1); // four hearts left
}
