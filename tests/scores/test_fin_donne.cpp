#include "commun/partie_test.h"
#include "fenetres/modele/dessin.h"
#include "fenetres/modele/jeu.h"
#include "fenetres/modele/presentation_fin.h"
#include "modele/donne_jouee.h"
#include "scores/fin_donne.h"

#include <gtest/gtest.h>

#include <climits>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// The value a store holds for a 4-byte setting.
int entierStocke(const MagasinMemoire& m, const std::string& nom) {
    const ValeurStockee* v = m.valeur(nom);
    if (v == nullptr || v->octets.size() != 4) return -999999;
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | v->octets[i];
    return static_cast<std::int32_t>(u);
}

struct FinDonne : ::testing::Test {
    PartieTest partie{sansDemarrer};
    Jeu& jeu = partie.demarrer({800, 600, 96}, FRANCAIS);
    PlateformeScriptee& plateforme = partie.plateforme;

    void SetUp() override { jeu.donne.numeroPli = 19; }
    // A scored deal: the taker, his half points, bouts, contract and bonuses.
    void donne(Siege preneur, int demiPoints, int bouts, Contrat contrat, int petit = 0,
               int poignee = 0) {
        static const int besoin[] = {56, 51, 41, 36};
        Donne& d = jeu.donne;
        d.preneur = preneur;
        d.pointsPreneur = demiPoints;
        d.pointsDefense = 182 - demiPoints;
        d.boutsPreneur = bouts;
        d.boutsDefense = 3 - bouts;
        d.pointsContrat = besoin[bouts];
        d.contrat = contrat;
        d.encheresAnnoncees[preneur] = contrat;
        d.petitAuBout = petit;
        d.poignee = poignee;
    }
    // The end of the deal as the dispatcher runs it: the rules, then what they left due.
    void finir() {
        finDeDonne(jeu);
        montrerFinEtScores(jeu);
    }
    const std::string& resultat() const { return jeu.fen.frmQuarvel.PanelTexteResultat.caption; }
};

} // namespace

TEST_F(FinDonne, GardeJusteAvecDeuxBoutsPayeeParChaqueDefenseur) {
    jeu.reglages.scoresGlobaux = {{10, -20, 30, -20}};
    donne(NORD, 82, 2, GARDE);
    finir();
    EXPECT_EQ(resultat(), "Résultat du Preneur\u00a0: 150 points.\n"
                          "Aïe, vous n'avez pas pu faire chuter le Preneur...");
    EXPECT_EQ(jeu.reglages.scoresGlobaux, (Tableau<int, 4>{{-40, -70, 180, -70}}));
    const auto& f = jeu.fen.frmQuarvel;
    EXPECT_TRUE(f.PanelResultat.visible && f.PanelPanelNewPartie.visible &&
                f.PanelVoirMains.visible && f.PanelVoirPlis.visible &&
                f.PanelScoreDetaille.visible && f.panelRejouerDonne.visible);
    // The store already holds the new scores: a run closed by its close box keeps them.
    EXPECT_EQ(entierStocke(partie.magasin, "scoreTotal1"), -40);
    EXPECT_EQ(entierStocke(partie.magasin, "scoreTotal3"), 180);
    EXPECT_EQ(entierStocke(partie.magasin, "scoreTotal4"), -70);
}

// Scores loaded from a damaged key may sit at the limits of their 4 bytes.
TEST_F(FinDonne, DesScoresAuxLimitesNeDebordentPas) {
    jeu.reglages.scoresGlobaux = {{INT_MIN + 5, INT_MAX - 5, 0, 0}};
    donne(EST, 82, 2, GARDE_CONTRE, 1);
    finir();
    EXPECT_EQ(jeu.reglages.scoresGlobaux, (Tableau<int, 4>{{INT_MIN, INT_MAX, -210, -210}}));
}

TEST_F(FinDonne, LesQuatreVerdictsDansLesDeuxLangues) {
    struct Cas {
        Siege preneur;
        int demiPoints;
        const char* fr;
        const char* en;
    };
    const Cas cas[] = {
        {SUD, 120, "Bravo, vous avez gagné contre la Défense\u00a0!",
         "Bravo, you won against this so weak Defence!"},
        {SUD, 60, "AÏÏÏÏE, la Défense vous a fait chuter\u00a0!",
         "OWWWW, you lose against the Defence"},
        {EST, 60, "Bravo, votre Défense a fait chuter le Preneur\u00a0!",
         "Bravo to you and the Defence!"},
        {OUEST, 120, "Aïe, vous n'avez pas pu faire chuter le Preneur...",
         "OWW, your Defence was not very good..."},
    };
    for (const Cas& c : cas) {
        for (int langue : {FRANCAIS, ANGLAIS}) {
            jeu.textes.langue = langue;
            donne(c.preneur, c.demiPoints, 1, PRISE);
            finir();
            const std::string attendu = c.demiPoints == 120 ? "102" : "-138";
            const std::string tete =
                langue == FRANCAIS ? "Résultat du Preneur\u00a0: " : "Result for the Taker: ";
            EXPECT_EQ(resultat(),
                      tete + attendu + " points.\n" + (langue == FRANCAIS ? c.fr : c.en));
        }
    }
}

TEST_F(FinDonne, DefenseurGagnantEtScoresToujoursVisibles) {
    auto& f = jeu.fen.frmQuarvel;
    for (bool avant : {false, true}) {
        jeu.scoresVisibles = avant;
        for (auto& p : f.panelScoreTotal) p.visible = avant;
        jeu.reglages.scoresGlobaux = {{0, 0, 0, 0}};
        // 0 bouts, 55 points, Petit au bout lost by the taker: (-1 - 25 - 10) x 3 = -108.
        donne(OUEST, 110, 0, PRISE, 2);
        finir();
        EXPECT_EQ(jeu.reglages.scoresGlobaux, (Tableau<int, 4>{{36, 36, 36, -108}}));
        EXPECT_EQ(resultat(), "Résultat du Preneur\u00a0: -108 points.\n"
                              "Bravo, votre Défense a fait chuter le Preneur\u00a0!");
        EXPECT_TRUE(f.menuScoresGlobaux.checked && f.SBVoirScoresGlobaux.checked);
        for (Siege s : SIEGES) EXPECT_TRUE(f.panelScoreTotal[s].visible);
        EXPECT_EQ(f.panelScoreTotal[4].caption, "-108");
    }
}

TEST_F(FinDonne, FeuilleDeScoreLigneParLigne) {
    // GARDE CONTRE won with a double handful, Petit au bout won: 46 points with 1 bout.
    donne(EST, 91, 1, GARDE_CONTRE, 1, 2);
    remplirFeuilleScore(jeu);
    const auto& f = jeu.fen.frmScoreDetaille;
    EXPECT_EQ(f.cardinalPreneur.caption, "EST");
    EXPECT_EQ(f.panelNbBouts.caption, "1");
    EXPECT_EQ(f.panelPointsRealises.caption, "46");
    EXPECT_EQ(f.panelMoins.caption + f.panelContrat.caption, "-51");
    EXPECT_EQ(f.panelAuDessusContrat.caption, "-5");
    // Short of the contract: lost, whatever the Petit.
    EXPECT_EQ(f.panelSensPrimePetit.caption, "+");
    EXPECT_EQ(f.panelScoreApresPetit.caption, "5");
    EXPECT_EQ(f.panelSigneGain.caption, "-");
    EXPECT_EQ(f.panelScoreTmp.caption, "-20");
    EXPECT_EQ(f.panelCoefficientEnchere.caption, "6");
    EXPECT_EQ(f.panelScoreApresEnchere.caption, "-120");
    EXPECT_EQ(f.panelSensPoignee.caption, "-");
    EXPECT_EQ(f.panelValeurPoignee.caption, "30");
    EXPECT_EQ(f.panelScoreApresPoignee.caption, "-150");
    EXPECT_EQ(f.panelX3.caption, "X 3 =");
    EXPECT_EQ(f.panelScoreFinalPreneur.caption, "-450");
    EXPECT_TRUE(f.panelDefPrimePetit.visible && f.panelDefPrimePoignee.visible);

    // The same sheet refilled for a deal without Petit au bout nor handful hides both rows.
    donne(SUD, 101, 1, PRISE);
    remplirFeuilleScore(jeu);
    EXPECT_EQ(f.panelPointsRealises.caption, "50"); // 50.5 rounds to the even 50
    EXPECT_EQ(f.panelScoreFinalPreneur.caption, "-78");
    for (const Composant* c :
         {&f.panelSensPrimePetit, &f.panelPrimePetit, &f.panelEgal2, &f.panelScoreApresPetit,
          &f.panelDefPrimePetit, &f.panelSensPoignee, &f.panelValeurPoignee, &f.panelEgal5,
          &f.panelScoreApresPoignee, &f.panelDefPrimePoignee})
        EXPECT_FALSE(c->visible);
}

TEST(FinDonneJouee, UneDonneRejoueeNeChangePasLesScores) {
    test::DonneJouee d;
    ASSERT_TRUE(d.jusquA([](const Donne& donne) { return donne.preneur != Siege::Aucun; }));
    const auto scores = d.jeu.reglages.scoresGlobaux;
    EXPECT_EQ(scores[1] + scores[2] + scores[3] + scores[4], 0);
    EXPECT_NE(scores[1], 0);

    // The same cards again from the result panel: played out, counted nowhere. Until its
    // bidding names a taker, the figures wear their own colours, not the last taker's.
    const TfrmQuarvel& q = d.jeu.fen.frmQuarvel;
    EXPECT_NE(q.nPointsAttaque.couleur, -1);
    d.geste(Evt::ClicRejouerDonne);
    EXPECT_EQ(q.nPointsAttaque.couleur, -1);
    EXPECT_EQ(q.nContrat.couleur, COULEUR_POINTS_A_FAIRE);
    EXPECT_TRUE(d.jeu.donne.donneRejouee);
    ASSERT_TRUE(d.jouer());
    EXPECT_EQ(d.jeu.reglages.scoresGlobaux, scores);
    ASSERT_EQ(d.partie.plateforme.messages.size(), 1u);
    EXPECT_EQ(d.partie.plateforme.messages[0].texte,
              "Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a "
              "été rejouée ou redémarrée\u00a0!");
    EXPECT_TRUE(d.jeu.fen.frmQuarvel.PanelResultat.visible);
}
