#include "donne/jeu.h"
#include "fenetres/modele/revue.h"
#include "modele/faux_plateforme.h"

#include <gtest/gtest.h>

using namespace quarvel;

namespace {

struct Revue : ::testing::Test {
    Jeu jeu;
    test::FaussePlateforme plateforme;

    void SetUp() override {
        jeu.plateforme = &plateforme;
        jeu.textes.langue = FRANCAIS;
        creerFenetresRevue(jeu);
        // A finished deal: seat s holds cards 18(s-1)+1.., plays slot t at trick t; the
        // dog is 73..78; tricks are led in turn by seats 1, 2, 3, 4, 1...
        Donne& d = jeu.donne;
        for (int s = 1; s <= 4; ++s)
            for (int i = 1; i <= 18; ++i) {
                d.mainsDonnees[s][i] = carteDuNumero(18 * (s - 1) + i);
                d.mains[s][i] = d.mainsDonnees[s][i];
                d.slotsJoues[s][i] = i;
            }
        for (int k = 1; k <= 6; ++k) d.chienDonne[k] = carteDuNumero(72 + k);
        for (int t = 1; t <= 18; ++t) d.entamesPlis[t] = (t - 1) % 4 + 1;
        d.preneur = EST;
        d.contrat = GARDE;
        d.numeroPli = 19;
    }
    bool clic(Evt e, int index = 0) { return traiterEvenementRevue(jeu, {e, index}); }
    int cartesVisibles() const {
        int n = 0;
        for (const auto& c : jeu.fen.frmTousPlis.Images) n += c.visible;
        return n;
    }
    int cadresVisibles() const {
        int n = 0;
        for (const auto& c : jeu.fen.frmTousPlis.Cadres) n += c.visible;
        return n;
    }
};

} // namespace

TEST_F(Revue, PliPrecedentMontreLesCartesDuPliAvantCeluiEnCours) {
    jeu.donne.numeroPli = 6;
    jeu.donne.slotsJoues[3][5] = 17;
    EXPECT_TRUE(clic(Evt::MenuPreviousTrick));
    const auto& f = jeu.fen.frmPliPrecedent;
    EXPECT_TRUE(f.fenetre.visible);
    EXPECT_EQ(f.cardPreviousTrick[1].carte, carteDuNumero(5));
    EXPECT_EQ(f.cardPreviousTrick[3].carte, carteDuNumero(36 + 17));
    EXPECT_EQ(f.cardPreviousTrick[4].carte, carteDuNumero(54 + 5));
    clic(Evt::OkPliPrecedent);
    EXPECT_FALSE(f.fenetre.visible);
}

TEST_F(Revue, TousLesPlisEnCroixCadresSelonLEntameur) {
    EXPECT_TRUE(clic(Evt::ClicVoirPlis));
    const auto& f = jeu.fen.frmTousPlis;
    EXPECT_TRUE(f.fenetre.visible);
    EXPECT_EQ(cartesVisibles(), 72);
    EXPECT_EQ(cadresVisibles(), 18);
    // Trick 8 (row 2, column 2): seat 3 at the top of its cross.
    EXPECT_EQ(f.Images[7 * 4 + 3].geo, (Rect{120 + 6 + 35, 112 + 6, 30, 50}));
    EXPECT_EQ(f.Images[7 * 4 + 3].carte, carteDuNumero(36 + 8));
    // Trick 2 is led by the taker (EST): green frame around his card; trick 3 blue.
    EXPECT_EQ(f.Cadres[2].couleur, 0x00FF00);
    EXPECT_EQ(f.Cadres[3].couleur, 0xFF0000);
    EXPECT_EQ(f.Cadres[2].geo,
              (Rect{f.Images[4 + 2].geo.left - 2, f.Images[4 + 2].geo.top - 2, 34, 54}));
    // Played in order from the leader: trick 3 is led by NORD, then OUEST, SUD, EST.
    EXPECT_EQ(f.ordreTousPlis[9], 8 + 3);
    EXPECT_EQ(f.ordreTousPlis[10], 8 + 4);
    EXPECT_EQ(f.ordreTousPlis[11], 8 + 1);
}

TEST_F(Revue, RejouerLesPlisPasAPas) {
    clic(Evt::ClicVoirPlis);
    auto& f = jeu.fen.frmTousPlis;
    // Play when everything is shown: cleared, then the first card of the first trick.
    clic(Evt::TousPlisLecture);
    EXPECT_TRUE(f.timerTousPlis.enabled);
    EXPECT_EQ(cartesVisibles(), 1);
    EXPECT_TRUE(f.Images[f.ordreTousPlis[1]].visible);
    EXPECT_TRUE(f.Cadres[1].visible);
    for (int i = 0; i < 5; ++i) clic(Evt::TickTousPlis);
    EXPECT_EQ(f.etapeTousPlis, 7);
    EXPECT_EQ(cadresVisibles(), 2);

    // Back from the second card of trick 2 keeps its frame; from its first card hides it.
    clic(Evt::TousPlisArriere);
    EXPECT_EQ(cartesVisibles(), 5);
    EXPECT_EQ(cadresVisibles(), 2);
    clic(Evt::TousPlisArriere);
    EXPECT_EQ(cartesVisibles(), 4);
    EXPECT_EQ(cadresVisibles(), 1);

    // Pause, then the timer runs to the end by itself and stops at 73.
    clic(Evt::TousPlisLecture);
    EXPECT_FALSE(f.timerTousPlis.enabled);
    clic(Evt::TousPlisLecture);
    while (f.timerTousPlis.enabled) clic(Evt::TickTousPlis);
    EXPECT_EQ(f.etapeTousPlis, 73);
    EXPECT_EQ(cartesVisibles(), 72);

    clic(Evt::TousPlisEffacer);
    EXPECT_EQ(cartesVisibles() + cadresVisibles(), 0);
    clic(Evt::TousPlisLecture);
    clic(Evt::TousPlisVoirTout);
    EXPECT_FALSE(f.timerTousPlis.enabled);
    EXPECT_EQ(cartesVisibles() + cadresVisibles(), 90);

    clic(Evt::TousPlisLecture);
    EXPECT_EQ(cartesVisibles(), 1);
    clic(Evt::TousPlisOk);
    EXPECT_FALSE(f.timerTousPlis.enabled);
    EXPECT_FALSE(f.fenetre.visible);
}

TEST_F(Revue, MainsAvecChienEcartEtOrigines) {
    Donne& d = jeu.donne;
    d.preneur = SUD;
    for (int k = 1; k <= 6; ++k) d.chien[k] = carteDuNumero(k);
    jeu.ecart.origineEcart = {{3, 7, 19, 11, 24, 18}};
    EXPECT_TRUE(clic(Evt::ClicVoirMains));
    const auto& f = jeu.fen.frmMains;
    EXPECT_TRUE(f.fenetre.visible);
    EXPECT_EQ(f.ImagesMains[2][10].carte, carteDuNumero(28));
    EXPECT_EQ(f.ImagesChien[6].carte, carteDuNumero(78));
    EXPECT_TRUE(f.PanelChienApresEcart.visible);
    EXPECT_EQ(f.ImagesEcart[2].carte, carteDuNumero(2));
    // Four frames in the taker's hand, two in the dog, each 2 units up and left of its card.
    int main = 0, chien = 0;
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(f.Cadres[k].visible);
        main += f.parentCadre[k] == SUD;
        chien += f.parentCadre[k] == 5;
    }
    EXPECT_EQ(main, 4);
    EXPECT_EQ(chien, 2);
    EXPECT_EQ(f.Cadres[2].geo.left, f.ImagesMains[1][7].geo.left - 2);
    EXPECT_EQ(f.Cadres[2].geo.top, f.ImagesMains[1][7].geo.top - 2);
    EXPECT_EQ(f.Cadres[5].geo.left, f.ImagesChien[6].geo.left - 2);
    // Taker at the bottom: dog on the left, centred on his hand, discard on the right.
    const Rect& m = f.PanelsMains[SUD].geo;
    EXPECT_EQ(f.PanelChienAvantEcart.geo.right(), m.left - 5);
    EXPECT_EQ(f.PanelChienApresEcart.geo.left, m.right() + 5);
    EXPECT_EQ(f.PanelChienAvantEcart.geo.top,
              m.top + (m.height - f.PanelChienAvantEcart.geo.height) / 2);
}

TEST_F(Revue, MainsPlaceDuChienSelonLePreneur) {
    const auto& f = jeu.fen.frmMains;
    for (int preneur : {EST, OUEST}) {
        jeu.donne.preneur = preneur;
        clic(Evt::ClicVoirMains);
        const Rect& m = f.PanelsMains[preneur].geo;
        const Rect& chien = f.PanelChienAvantEcart.geo;
        const Rect& ecart = f.PanelChienApresEcart.geo;
        EXPECT_EQ(chien.bottom(), m.top - 5);
        EXPECT_EQ(ecart.top, m.bottom() + 5);
        EXPECT_EQ(ecart.left, chien.left);
        if (preneur == EST)
            EXPECT_EQ(chien.right(), m.right());
        else
            EXPECT_EQ(chien.left, m.left);
    }
}

TEST_F(Revue, GardeSansNiEcartNiCadres) {
    jeu.donne.contrat = GARDE_SANS;
    jeu.ecart.origineEcart = {{1, 2, 3, 4, 5, 6}};
    jeu.fen.frmMains.Cadres[1].visible = true;
    clic(Evt::ClicVoirMains);
    const auto& f = jeu.fen.frmMains;
    EXPECT_TRUE(f.PanelChienAvantEcart.visible);
    EXPECT_FALSE(f.PanelChienApresEcart.visible);
    for (const auto& c : f.Cadres) EXPECT_FALSE(c.visible);
}

TEST_F(Revue, ImpressionSansImprimanteDonneUnMessage) {
    plateforme.imprimante = false;
    clic(Evt::TousPlisImprimer); // the window is closed: nothing to print
    EXPECT_TRUE(plateforme.pages.empty());
    clic(Evt::ClicVoirPlis);
    clic(Evt::TousPlisImprimer);
    clic(Evt::ClicVoirMains);
    clic(Evt::MainsImprimer);
    jeu.textes.langue = ANGLAIS;
    clic(Evt::ClicScoreDetaille);
    clic(Evt::ScoreImprimer);
    ASSERT_EQ(plateforme.pages.size(), 3u);
    EXPECT_EQ(plateforme.pages[0], (Rect{500, 500, 2000, 1280}));
    EXPECT_EQ(plateforme.pages[1], (Rect{300, 300, 2100, 1275}));
    EXPECT_EQ(plateforme.pages[2], (Rect{500, 500, 2000, 1600}));
    EXPECT_EQ(plateforme.imprimees[1], FenetreImprimee::Mains);
    ASSERT_EQ(plateforme.messages.size(), 3u);
    EXPECT_EQ(plateforme.messages[0], "Aucune imprimante n'est disponible.");
    EXPECT_EQ(plateforme.messages[2], "No printer is available.");

    plateforme.imprimante = true;
    clic(Evt::ScoreImprimer);
    EXPECT_EQ(plateforme.messages.size(), 3u);
}

TEST_F(Revue, CouleurDesFenetres) {
    jeu.fen.frmMains.fenetre.couleur = 0x808080;
    plateforme.couleurChoisie = 0x00AA00;
    clic(Evt::ClicVoirMains);
    clic(Evt::MainsCouleur);
    EXPECT_EQ(plateforme.couleurProposee, 0x808080);
    EXPECT_EQ(jeu.fen.frmMains.fenetre.couleur, 0x00AA00);
    EXPECT_EQ(jeu.reglages.optionCouleurFondEcranMains, 0x00AA00);

    plateforme.confirmeCouleur = false;
    jeu.reglages.optionCouleurFondEcranScores = 0x111111;
    jeu.fen.frmScoreDetaille.fenetre.couleur = 0x111111;
    clic(Evt::ClicScoreDetaille);
    clic(Evt::ScoreCouleur);
    EXPECT_EQ(plateforme.couleurProposee, 0x111111);
    EXPECT_EQ(jeu.reglages.optionCouleurFondEcranScores, 0x111111);
}
