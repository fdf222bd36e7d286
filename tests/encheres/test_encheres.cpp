// The bidding round as the person sees it: the bid bar, the advice, the seats' bubbles.
#include "aides/cartes_test.h"
#include "commun/partie_test.h"
#include "encheres/encheres.h"
#include "fenetres/modele/presentation.h"
#include "partie/flux.h"

#include <gtest/gtest.h>

using namespace quarvel;
using quarvel::test::PartieTest;

TEST(Encheres, SudParleEnPremierEtSuitLeConseil) {
    PartieTest p;
    p.menuForce(4);
    p.commencer();
    p.nouvelleDonneMenu(); // the second deal is opened by SUD
    ASSERT_EQ(p.donne().premierParlant, SUD);
    TfrmQuarvel& q = p.table();
    ASSERT_TRUE(q.BarreEnchere.visible);
    for (const Composant* b :
         {&q.ButtonPasse, &q.ButtonPrise, &q.ButtonGarde, &q.ButtonGardeSans, &q.ButtonGardeContre})
        EXPECT_TRUE(b->visible);
    EXPECT_EQ(q.evMaMain.caption, "Conseil\u00a0: GARDE");
    EXPECT_TRUE(q.evMaMain.focus);
    EXPECT_EQ(p.info(), "Cliquez sur l'enchère que vous désirez annoncer\u00a0!");
    // Clicks on the table do not close a bidding still open.
    p.clicFond();
    EXPECT_TRUE(q.BarreEnchere.visible);

    p.conseil();
    EXPECT_FALSE(q.BarreEnchere.visible);
    EXPECT_EQ(q.PanelDec[SUD].caption, "GARDE");
    EXPECT_EQ(q.PanelDec[SUD].taillePolice, 14);
    EXPECT_EQ(p.donne().encheresAnnoncees[SUD], GARDE);
    EXPECT_TRUE(q.TimerEnchere.enabled);
    // The seats after SUD cannot take lower than GARDE.
    p.jusquALaBarre();
    for (Siege s : {EST, NORD, OUEST}) {
        const Contrat annonce = p.donne().encheresAnnoncees[s];
        EXPECT_TRUE(annonce == PASSE || annonce > GARDE) << s;
    }
}

TEST(Encheres, UneGardeAvantSudNeLaisseQueLesEncheresSuperieures) {
    PartieTest p;
    p.menuForce(4);
    p.commencer();
    ASSERT_TRUE(p.donneOu(
        [&](Donne& d) { return d.premierParlant != SUD && p.meilleureAvantSud() == GARDE; }));
    p.jusquALaBarre();
    TfrmQuarvel& q = p.table();
    ASSERT_TRUE(q.BarreEnchere.visible);
    EXPECT_TRUE(q.ButtonPasse.visible);
    EXPECT_FALSE(q.ButtonPrise.visible);
    EXPECT_FALSE(q.ButtonGarde.visible);
    EXPECT_TRUE(q.ButtonGardeSans.visible);
    EXPECT_TRUE(q.ButtonGardeContre.visible);
    EXPECT_EQ(q.evMaMain.caption, "Conseil\u00a0: PASSE");
    // A hidden button does nothing; a bid that does not beat GARDE is refused.
    p.encherir(PRISE);
    EXPECT_TRUE(q.BarreEnchere.visible);
    enchereJoueur(p.jeu, GARDE);
    presenter(p.jeu, Phase::EnchereSud);
    EXPECT_EQ(p.info(), "Vous devez faire une meilleure enchère ou passer\u00a0!");
    EXPECT_TRUE(q.BarreEnchere.visible);
    EXPECT_EQ(p.jeu.encheres.nbEncheres, [&] {
        int n = 0;
        for (Siege s = p.donne().premierParlant; s != SUD; s = siegeSuivant(s)) ++n;
        return n;
    }());

    p.conseil();
    EXPECT_EQ(q.PanelDec[SUD].caption, "PASSE");
    EXPECT_EQ(q.PanelDec[SUD].taillePolice, 12);
}

TEST(Encheres, LeConseilMasqueResteAJourEtEnAnglais) {
    PartieTest p(ANGLAIS);
    p.geste(Evt::MenuConseilEnch);
    p.menuForce(5);
    p.commencer();
    p.nouvelleDonneMenu();
    TfrmQuarvel& q = p.table();
    ASSERT_TRUE(q.BarreEnchere.visible);
    EXPECT_FALSE(q.evMaMain.visible);
    EXPECT_FALSE(q.evMaMain.focus);
    EXPECT_EQ(q.evMaMain.caption, "Advice: GUARD WITHOUT");
    EXPECT_EQ(p.info(), "Click the bid you want to make.");
    p.conseil(); // hidden: nothing
    EXPECT_TRUE(q.BarreEnchere.visible);
    p.encherir(GARDE_SANS);
    EXPECT_EQ(q.PanelDec[SUD].caption, "GUARD WITHOUT");
    p.jusquALaBarre();
    EXPECT_EQ(p.info(), "Click anywhere to go on playing...");
}

TEST(Encheres, LePreneurEstLeDernierQuiAParle) {
    PartieTest p;
    Donne& d = p.donne();
    d.premierParlant = OUEST;
    d.encheresAnnoncees[OUEST] = PRISE;
    d.encheresAnnoncees[SUD] = GARDE;
    d.encheresAnnoncees[EST] = GARDE_SANS;
    d.encheresAnnoncees[NORD] = PASSE;
    EXPECT_EQ(trouverPreneur(p.jeu), EST);
    EXPECT_EQ(d.contrat, GARDE_SANS);
    EXPECT_EQ(p.jeu.textes.nomsEncheres[d.contrat], "GARDE SANS");
    for (Siege s : SIEGES) d.encheresAnnoncees[s] = PASSE;
    EXPECT_EQ(trouverPreneur(p.jeu), OUEST);
    EXPECT_EQ(d.contrat, PASSE);
}
