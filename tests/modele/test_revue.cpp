#include "fenetres/modele/jeu.h"
#include "fenetres/modele/revue.h"
#include "modele/donne_jouee.h"

#include <gtest/gtest.h>

#include <set>

using namespace quarvel;

namespace {

struct Revue : ::testing::Test {
    test::DonneJouee d;
    Jeu& jeu = d.jeu;
    PlateformeScriptee& plateforme = d.partie.plateforme;
    test::PartieTest& partie = d.partie;

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
    void uneDonne() {
        ASSERT_TRUE(d.jusquA([](const Donne&) { return true; }));
    }
};

} // namespace

TEST_F(Revue, PliPrecedentApresLaDonneEstLeDernierPli) {
    clic(Evt::MenuPreviousTrick); // disabled before the first trick
    EXPECT_FALSE(jeu.fen.frmPliPrecedent.fenetre.visible);
    uneDonne();
    clic(Evt::MenuPreviousTrick);
    const auto& f = jeu.fen.frmPliPrecedent;
    EXPECT_TRUE(f.fenetre.visible);
    // The last trick stays on the table: the window shows the same four cards.
    for (Siege s : SIEGES)
        EXPECT_EQ(f.cardPreviousTrick[s].carte, jeu.fen.frmQuarvel.CarteTable[s].carte);
    clic(Evt::OkPliPrecedent);
    EXPECT_FALSE(f.fenetre.visible);
}

TEST_F(Revue, TousLesPlisEtLeurRejeu) {
    uneDonne();
    clic(Evt::ClicVoirPlis);
    auto& f = jeu.fen.frmTousPlis;
    EXPECT_TRUE(f.fenetre.visible);
    EXPECT_EQ(cartesVisibles() + cadresVisibles(), 90);
    std::set<int> cartes;
    for (const auto& c : f.Images) cartes.insert(numeroCarte(c.carte));
    EXPECT_EQ(cartes.size(), 72u);
    EXPECT_EQ(cartes.count(0), 0u);
    // Trick 8 (row 2, column 2): seat 3 at the top of its cross.
    EXPECT_EQ(f.Images[7 * 4 + 3].geo, (Rect{120 + 6 + 35, 112 + 6, 30, 50}));
    // Each frame is around its leader's card, green when the taker led, else blue.
    for (int t : PLIS) {
        const Siege entame = jeu.donne.entamesPlis[t];
        const Rect& carte = f.Images[(t - 1) * 4 + entier(entame)].geo;
        EXPECT_EQ(f.Cadres[t].geo, (Rect{carte.left - 2, carte.top - 2, 34, 54}));
        EXPECT_EQ(f.Cadres[t].couleur, entame == jeu.donne.preneur ? 0x00FF00 : 0xFF0000);
    }

    // Play when everything is shown: cleared, then the first card of the first trick.
    clic(Evt::TousPlisLecture);
    EXPECT_EQ(cartesVisibles(), 1);
    EXPECT_TRUE(f.Images[(jeu.donne.entamesPlis[1])].visible && f.Cadres[1].visible);
    for (int i = 0; i < 5; ++i) avancerHorloge(jeu);
    EXPECT_EQ(f.etapeTousPlis, 7);
    // Back from the second card of trick 2 keeps its frame; from its first card hides it.
    clic(Evt::TousPlisArriere);
    EXPECT_EQ(cartesVisibles() * 10 + cadresVisibles(), 52);
    clic(Evt::TousPlisArriere);
    EXPECT_EQ(cartesVisibles() * 10 + cadresVisibles(), 41);

    // Pause; play again, and the timer runs to the end by itself.
    clic(Evt::TousPlisLecture);
    EXPECT_FALSE(f.timerTousPlis.enabled);
    clic(Evt::TousPlisLecture);
    for (int i = 0; i < 100 && f.timerTousPlis.enabled; ++i) avancerHorloge(jeu);
    EXPECT_EQ(f.etapeTousPlis, 73);
    EXPECT_EQ(cartesVisibles(), 72);
    clic(Evt::TousPlisEffacer);
    EXPECT_EQ(cartesVisibles() + cadresVisibles(), 0);
    clic(Evt::TousPlisLecture);
    clic(Evt::TousPlisVoirTout);
    EXPECT_FALSE(f.timerTousPlis.enabled);
    EXPECT_EQ(cartesVisibles() + cadresVisibles(), 90);
    clic(Evt::TousPlisLecture);
    clic(Evt::TousPlisOk); // closing stops the replay
    EXPECT_FALSE(f.timerTousPlis.enabled || f.fenetre.visible);
}

// A new deal closes every window looking back at the one dropped, and stops the replay.
TEST_F(Revue, UneNouvelleDonneFermeLesRevues) {
    uneDonne();
    for (Evt e : {Evt::MenuPreviousTrick, Evt::ClicVoirMains, Evt::ClicScoreDetaille,
                  Evt::ClicVoirPlis, Evt::TousPlisLecture})
        partie.geste(e);
    const Fenetres& f = jeu.fen;
    ASSERT_TRUE(f.frmPliPrecedent.fenetre.visible && f.frmMains.fenetre.visible &&
                f.frmScoreDetaille.fenetre.visible && f.frmTousPlis.timerTousPlis.enabled);
    partie.geste(Evt::MenuNewGame);
    EXPECT_FALSE(f.frmPliPrecedent.fenetre.visible || f.frmMains.fenetre.visible ||
                 f.frmScoreDetaille.fenetre.visible || f.frmTousPlis.fenetre.visible);
    EXPECT_FALSE(f.frmTousPlis.timerTousPlis.enabled || f.frmQuarvel.PanelResultat.visible);
}

TEST_F(Revue, MainsQuatreCartesDeLaMainEtDeuxDuChien) {
    // SUD takes a GARDE and discards four cards of his hand and two of the dog.
    bool quatreEtDeux = false;
    d.encheresSud = GARDE;
    d.geste(Evt::MenuForce, 4);
    d.choixEcart = [&](Jeu& j, std::vector<int>& positions) {
        int nb[2] = {0, 0};
        for (int p = 1; p <= 24; ++p) {
            const Carte& c = j.ecart.rangeeEcart[p];
            const int chien = j.ecart.sourceRangee[p] > 18;
            if (c.couleur >= PIQUE && c.valeur != ROI && nb[chien] < (chien ? 2 : 4)) {
                positions.push_back(p);
                ++nb[chien];
            }
        }
        quatreEtDeux = nb[0] == 4 && nb[1] == 2;
    };
    ASSERT_TRUE(d.jusquA([&](const Donne& donne) {
        return donne.preneur == SUD && donne.contrat == GARDE && quatreEtDeux;
    }));
    clic(Evt::ClicVoirMains);
    const auto& f = jeu.fen.frmMains;
    EXPECT_TRUE(f.fenetre.visible && f.PanelChienApresEcart.visible);
    EXPECT_EQ(f.ImagesMains[EST][10].carte, jeu.donne.mainsDonnees[EST][10]);
    EXPECT_EQ(f.ImagesChien[6].carte, jeu.donne.chienDonne[6]);
    EXPECT_EQ(f.ImagesEcart[2].carte, jeu.donne.chien[2]);
    // Each frame in its panel, 2 units up and left of the card that went to the discard.
    int dansLaMain = 0;
    for (int k = 1; k <= 6; ++k) {
        const bool main = f.parentCadre[k] == entier(SUD);
        dansLaMain += main;
        const int o = jeu.ecart.origineEcart[k];
        const Composant& image = main ? f.ImagesMains[SUD][o] : f.ImagesChien[o - 18];
        EXPECT_TRUE(f.Cadres[k].visible);
        EXPECT_EQ(f.Cadres[k].geo, (Rect{image.geo.left - 2, image.geo.top - 2, 34, 54}));
        EXPECT_EQ(image.carte, jeu.donne.chien[k]);
    }
    EXPECT_EQ(dansLaMain, 4);
    // Taker at the bottom: dog on the left, centred on his hand, discard on the right.
    const Rect& m = f.PanelsMains[SUD].geo;
    const Rect& chien = f.PanelChienAvantEcart.geo;
    EXPECT_EQ(chien.right(), m.left - 5);
    EXPECT_EQ(chien.top, m.top + (m.height - chien.height) / 2);
    EXPECT_EQ(f.PanelChienApresEcart.geo.left, m.right() + 5);
    clic(Evt::MainsOk);
    EXPECT_FALSE(f.fenetre.visible);
}

TEST_F(Revue, MainsChienAuDessusDUnPreneurDeCote) {
    uneDonne();
    const auto& f = jeu.fen.frmMains;
    for (Siege preneur : {EST, OUEST}) {
        jeu.donne.preneur = preneur;
        clic(Evt::ClicVoirMains);
        const Rect& m = f.PanelsMains[preneur].geo;
        const Rect& chien = f.PanelChienAvantEcart.geo;
        EXPECT_EQ(chien.bottom(), m.top - 5);
        EXPECT_EQ(preneur == EST ? chien.right() : chien.left, preneur == EST ? m.right() : m.left);
        EXPECT_EQ(f.PanelChienApresEcart.geo,
                  (Rect{chien.left, m.bottom() + 5, chien.width, chien.height}));
    }
}

TEST_F(Revue, GardeSansNiEcartNiCadres) {
    d.encheresSud = GARDE_SANS;
    d.geste(Evt::MenuForce, 5);
    ASSERT_TRUE(d.jusquA([](const Donne& donne) { return donne.contrat >= GARDE_SANS; }));
    clic(Evt::ClicVoirMains);
    const auto& f = jeu.fen.frmMains;
    EXPECT_TRUE(f.PanelChienAvantEcart.visible);
    EXPECT_FALSE(f.PanelChienApresEcart.visible);
    for (const auto& c : f.Cadres) EXPECT_FALSE(c.visible);
}

// With no printer, one question offers a PDF, Yes by default, named after what it holds.
TEST_F(Revue, ImpressionSansImprimanteUneSeuleQuestion) {
    uneDonne();
    plateforme.imprimanteDisponible = false;
    plateforme.reponses = {true, false, true, true};
    clic(Evt::ClicVoirPlis);
    clic(Evt::TousPlisImprimer);
    clic(Evt::ClicVoirMains);
    clic(Evt::MainsImprimer);
    jeu.textes.langue = ANGLAIS;
    clic(Evt::ClicScoreDetaille);
    clic(Evt::ScoreImprimer);
    d.geste(Evt::MenuStatistiques);
    d.geste(Evt::StatistiquesImprimer);
    EXPECT_TRUE(plateforme.messages.empty());
    ASSERT_EQ(plateforme.questions.size(), 4u);
    EXPECT_EQ(plateforme.questions[0].texte,
              "Aucune imprimante\u00a0: l'enregistrer en PDF\u00a0?");
    EXPECT_EQ(plateforme.questions[2].texte, "No printer: save it as a PDF?");
    for (const auto& q : plateforme.questions) EXPECT_TRUE(q.ouiParDefaut);
    // The second offer is declined.
    ASSERT_EQ(plateforme.impressions.size(), 3u);
    const std::string numero = std::to_string(jeu.donne.numero);
    EXPECT_EQ(plateforme.impressions[0].nomFichier, "quarvel-donne-" + numero + "-plis.pdf");
    EXPECT_EQ(plateforme.impressions[1].nomFichier, "quarvel-deal-" + numero + "-score.pdf");
    EXPECT_EQ(plateforme.impressions[2].nomFichier, "quarvel-statistics.pdf");
    for (const auto& i : plateforme.impressions) EXPECT_TRUE(i.pdf);
    d.geste(Evt::StatistiquesOk);

    plateforme.imprimanteDisponible = true;
    clic(Evt::ScoreImprimer);
    EXPECT_EQ(plateforme.questions.size(), 4u);
    ASSERT_EQ(plateforme.impressions.size(), 4u);
    const Donne& donne = jeu.donne;
    EXPECT_FALSE(plateforme.impressions[3].pdf);
    EXPECT_EQ(plateforme.impressions[3].titre, jeu.fen.frmScoreDetaille.fenetre.caption +
                                                   " \u2014 Deal #" + std::to_string(donne.numero) +
                                                   " \u2014 " +
                                                   jeu.textes.nomsEncheres[donne.contrat] + ", " +
                                                   jeu.textes.nomsJoueurs[donne.preneur]);
}

TEST_F(Revue, CouleurDesFenetres) {
    // Created with the colour of its setting.
    EXPECT_EQ(jeu.fen.frmMains.fenetre.couleur, 0x808080);
    uneDonne();
    plateforme.couleurs = {0x00AA00, std::nullopt};
    clic(Evt::ClicVoirMains);
    partie.magasin.ecritures.clear();
    clic(Evt::MainsCouleur);
    EXPECT_EQ(plateforme.couleursProposees.back(), 0x808080);
    EXPECT_EQ(jeu.fen.frmMains.fenetre.couleur, 0x00AA00);
    EXPECT_EQ(jeu.reglages.optionCouleurFondEcranMains, 0x00AA00);
    EXPECT_EQ(partie.magasin.valeur("optionCouleurFondEcranMains")->octets,
              (Octets{0x00, 0xAA, 0x00, 0x00}));

    // Cancelled: nothing changes, but the settings are still written.
    partie.magasin.ecritures.clear();
    clic(Evt::ClicScoreDetaille);
    clic(Evt::ScoreCouleur);
    EXPECT_EQ(jeu.reglages.optionCouleurFondEcranScores, 0x808080);
    EXPECT_EQ(jeu.fen.frmScoreDetaille.fenetre.couleur, 0x808080);
    EXPECT_FALSE(partie.magasin.ecritures.empty());
}
