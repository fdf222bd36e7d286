// Random gestures on the whole game: whatever is clicked, in whatever order, the game holds.
#include "outils/singe/singe.h"
#include "reglages/persistance.h"

#include "cartes/carte.h"
#include "fenetres/modele/jeu.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quarvel;

namespace {

// A couple of hundred deals per seed, and every seed a different road.
constexpr long GESTES_PAR_GRAINE = 100000;

class Singe : public ::testing::TestWithParam<unsigned> {};

TEST_P(Singe, AucunGesteNeCasseLeJeu) {
    std::ostringstream journal;
    OptionsSinge options;
    options.graine = GetParam();
    options.gestes = GESTES_PAR_GRAINE;
    options.journal = &journal;
    ResultatSinge r = lancerSinge(options);
    EXPECT_EQ(r.echecs, 0) << r.premierEchec;
    EXPECT_EQ(r.gestes, GESTES_PAR_GRAINE);
    // The gestures do reach the end of deals, or the test proves little.
    EXPECT_GT(r.donnes, 100);
}

INSTANTIATE_TEST_SUITE_P(Graines, Singe, ::testing::Values(1u, 2u, 3u, 42u, 2026u, 99999u));

} // namespace

namespace {

// The checker itself must see a broken game, or a green monkey means nothing.
TEST(InvariantsDuJeu, VoientUnJeuCasse) {
    OptionsSinge options;
    options.gestes = 3000; // somewhere in the middle of a deal
    ResultatSinge r = lancerSinge(options);
    ASSERT_EQ(r.echecs, 0) << r.premierEchec;

    Jeu jeu;
    valeursParDefaut(jeu.reglages);
    Donne& d = jeu.donne;
    for (int n = 1; n <= 78; ++n) {
        Carte c = carteDuNumero(n);
        c.enMain = true;
        if (n <= 72)
            d.mains[(n - 1) / 18 + 1][(n - 1) % 18 + 1] = c;
        else
            d.chien[n - 72] = c;
    }
    d.mainsDonnees = d.mains;
    EXPECT_EQ(verifierInvariants(jeu), "");

    Jeu doublon = jeu;
    doublon.donne.chien[1] = doublon.donne.mains[1][1];
    EXPECT_NE(verifierInvariants(doublon), "");

    Jeu joueeSansPli = jeu;
    joueeSansPli.donne.mains[2][5].enMain = false;
    EXPECT_NE(verifierInvariants(joueeSansPli), "");

    Jeu scores = jeu;
    scores.reglages.scoresGlobaux[1] = 30;
    EXPECT_NE(verifierInvariants(scores), "");

    Jeu tableau = jeu;
    tableau.reglages.highScoreChallenge[2][3] = 301; // above the line over it
    EXPECT_NE(verifierInvariants(tableau), "");

    Jeu enchere = jeu;
    enchere.minuteries.TimerEnchere.enabled = true;
    enchere.fen.frmQuarvel.BarreEnchere.visible = true;
    EXPECT_NE(verifierInvariants(enchere), "");

    Jeu minuterie = jeu;
    minuterie.donne.numeroPli = 3;
    minuterie.donne.pli.nbCartesJouees = 0;
    for (Siege s : SIEGES)
        for (int i = 1; i <= 2; ++i) {
            minuterie.donne.mains[s][i].enMain = false;
            minuterie.donne.slotsJoues[s][i] = i;
        }
    minuterie.donne.preneur = EST;
    int points = 0;
    for (Siege s : SIEGES)
        for (int i = 1; i <= 2; ++i) points += pointsCarte(minuterie.donne.mains[s][i]);
    minuterie.donne.pointsDefense = points;
    EXPECT_EQ(verifierInvariants(minuterie), "");
    minuterie.donne.phase = Phase::TourSud;
    minuterie.donne.joueurCourant = SUD;
    minuterie.minuteries.TimerEntreCarte.enabled = true;
    EXPECT_NE(verifierInvariants(minuterie), "");
}

} // namespace
