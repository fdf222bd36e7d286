#include "commun/partie_test.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/presentation_fin.h"
#include "fenetres/modele/revue.h"
#include "scores/scores_globaux.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

struct ScoresGlobaux : ::testing::Test {
    PartieTest partie{sansDemarrer};
    Jeu& jeu = partie.demarrer({800, 600, 96}, FRANCAIS);
    PlateformeScriptee& plateforme = partie.plateforme;
    void SetUp() override {
        jeu.reglages.scoresGlobaux = {{120, -40, 0, -80}};
        afficherScores(jeu); // hidden, as at start-up
    }
    bool clic(Evt e, int index = 0) { return traiterEvenementRevue(jeu, {e, index}); }
};

} // namespace

TEST_F(ScoresGlobaux, LesTroisGestesBasculentLesPanneaux) {
    auto& f = jeu.fen.frmQuarvel;
    EXPECT_TRUE(clic(Evt::MenuScoresGlobaux));
    EXPECT_TRUE(jeu.scoresVisibles);
    EXPECT_TRUE(f.menuScoresGlobaux.checked && f.SBVoirScoresGlobaux.checked);
    EXPECT_EQ(f.panelScoreTotal[1].caption, "120");
    EXPECT_EQ(f.panelScoreTotal[2].caption, "-40");
    EXPECT_EQ(f.panelScoreTotal[4].caption, "-80");
    for (Siege s : SIEGES) EXPECT_TRUE(f.panelScoreTotal[s].visible);

    // A click on the north panel hides all four and releases the button.
    EXPECT_TRUE(clic(Evt::ClicScoreTotal, 3));
    EXPECT_FALSE(f.SBVoirScoresGlobaux.checked || f.menuScoresGlobaux.checked);
    for (Siege s : SIEGES) EXPECT_FALSE(f.panelScoreTotal[s].visible);

    EXPECT_TRUE(clic(Evt::MenuScoresGlobaux));
    EXPECT_TRUE(f.panelScoreTotal[2].visible);
}

TEST_F(ScoresGlobaux, InitialiserDemandeConfirmation) {
    auto& f = jeu.fen.frmQuarvel;
    partie.magasin.ecritures.clear();
    plateforme.reponses = {false, true};
    clic(Evt::MenuInitScores);
    ASSERT_EQ(plateforme.questions.size(), 1u);
    EXPECT_EQ(plateforme.questions[0].titre, "QUARVEL 99.2");
    EXPECT_EQ(plateforme.questions[0].texte,
              "Voulez-vous réellement remettre les scores à 0\u00a0?");
    EXPECT_EQ(jeu.reglages.scoresGlobaux[1], 120);
    EXPECT_TRUE(partie.magasin.ecritures.empty());

    // Yes while the panels are hidden: zeros, still hidden, saved.
    jeu.textes.langue = ANGLAIS;
    clic(Evt::MenuInitScores);
    EXPECT_EQ(plateforme.questions[1].texte, "Do you really want to initialize scores?");
    EXPECT_EQ(jeu.reglages.scoresGlobaux, (Tableau<int, 4>{{0, 0, 0, 0}}));
    EXPECT_FALSE(partie.magasin.ecritures.empty());
    EXPECT_EQ(partie.magasin.valeur("scoreTotal2")->octets, (Octets{0, 0, 0, 0}));
    for (Siege s : SIEGES) {
        EXPECT_FALSE(f.panelScoreTotal[s].visible);
        EXPECT_EQ(f.panelScoreTotal[s].caption, "0");
    }
    clic(Evt::MenuScoresGlobaux);
    for (Siege s : SIEGES) EXPECT_EQ(f.panelScoreTotal[s].caption, "0");
}
