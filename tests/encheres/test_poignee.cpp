// The handful: offer at the person's first card, the selection dialog, OK and cancel.
#include "commun/partie_test.h"

#include <gtest/gtest.h>

using namespace quarvel;
using quarvel::test::PartieTest;

namespace {

int atoutsDeSud(const Donne& d) {
    int n = 0;
    for (const Carte& c : d.mains[SUD]) n += c.couleur == ATOUT;
    return n;
}

bool excuseDeSud(const Donne& d) {
    for (const Carte& c : d.mains[SUD])
        if (estExcuse(c)) return true;
    return false;
}

// SUD takes GARDE CONTRE (his hand stays as dealt) with `voulu` trumps or more, the Excuse
// among them; up to his first card.
void jusquALOffre(PartieTest& p, int voulu) {
    p.menuForce(6);
    p.commencer();
    ASSERT_TRUE(p.donneOu(
        [&](Donne& d) {
            return p.meilleureOrdinateur() < GARDE_CONTRE && atoutsDeSud(d) >= voulu &&
                   excuseDeSud(d);
        },
        400));
    p.encheresAvec(GARDE_CONTRE);
    p.clicFond();
    p.clicFond();
    ASSERT_TRUE(p.jusquAuTourDuJoueur());
}

} // namespace

TEST(Poignee, DeclareeAvecLeBoutonParesseuxEtRefusDeLExcuse) {
    PartieTest p;
    jusquALOffre(p, 11);
    const int n = atoutsDeSud(p.donne());
    TfrmQuarvel& q = p.table();
    ASSERT_TRUE(q.PanelPoignee.visible);
    EXPECT_TRUE(q.PanelPoigneeSimple.visible);
    EXPECT_TRUE(q.PanelPoigneeAucune.visible);
    EXPECT_EQ(q.PanelPoigneeDouble.visible, n >= 13);
    EXPECT_EQ(q.PanelPoigneeTriple.visible, n >= 15);
    // No card can be played while the offer is open.
    p.clicCarte(p.premiereJouable());
    EXPECT_EQ(p.imagesVisibles(), 18);

    p.geste(Evt::ClicPoignee, 1);
    TfrmPoignee& dlg = p.jeu.fen.frmPoignee;
    ASSERT_TRUE(dlg.fenetre.visible);
    EXPECT_FALSE(q.PanelPoignee.visible);
    EXPECT_FALSE(q.fenetre.enabled);
    EXPECT_EQ(p.imagesVisibles(), 18 - n);
    EXPECT_EQ(dlg.fenetre.geo.width, 2 * 15 + (n - 1) * 45 + 90);
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(dlg.CartePoignee[i].visible, i <= n) << i;
    EXPECT_FALSE(dlg.PanelOkPoignee.visible);
    // The table takes nothing while the dialog is open.
    p.clicFond();
    p.geste(Evt::MenuNewGame);
    EXPECT_EQ(p.donne().numeroPli, 1);

    // The Excuse (last trump) is not needed: refused with a message.
    p.geste(Evt::ClicCartePoignee, n);
    EXPECT_EQ(p.plateforme.dernierMessage(), "Vous ne pouvez pas sélectionner l'Excuse\u00a0!");
    EXPECT_EQ(p.jeu.poignee.nbSelectionPoignee, 0);
    // By hand: one trump up and down again.
    const int haut = dlg.CartePoignee[1].geo.top;
    p.geste(Evt::ClicCartePoignee, 1);
    EXPECT_EQ(dlg.CartePoignee[1].geo.top, haut - 15);
    p.geste(Evt::ClicCartePoignee, 1);
    EXPECT_EQ(dlg.CartePoignee[1].geo.top, haut);

    p.geste(Evt::ClicParesseux);
    EXPECT_TRUE(dlg.PanelOkPoignee.visible);
    EXPECT_EQ(p.jeu.poignee.nbSelectionPoignee, 10);
    EXPECT_EQ(p.jeu.poignee.selectionPoignee[n], 0);
    p.geste(Evt::ClicOkPoignee);
    EXPECT_FALSE(dlg.fenetre.visible);
    EXPECT_TRUE(q.fenetre.enabled);
    EXPECT_EQ(p.donne().poignee, 1);
    EXPECT_EQ(p.imagesVisibles(), 18);
    // Now the first card plays, and the offer does not come back.
    const int carte = p.premiereJouable();
    p.clicCarte(carte);
    EXPECT_FALSE(q.Carte3D[carte].visible);
    p.jouerJusquALaFin();
    EXPECT_EQ(p.donne().poignee, 1);
}

TEST(Poignee, OkSeulementAvecLeBonNombreEtAnnulation) {
    PartieTest p;
    jusquALOffre(p, 11);
    p.geste(Evt::ClicPoignee, 1);
    TfrmPoignee& dlg = p.jeu.fen.frmPoignee;
    // Eleven selected by hand (the Excuse left out): no OK until one drops.
    const int n = atoutsDeSud(p.donne());
    for (int i = 1; i <= 10; ++i) p.geste(Evt::ClicCartePoignee, i);
    EXPECT_TRUE(dlg.PanelOkPoignee.visible);
    if (n >= 12) {
        p.geste(Evt::ClicCartePoignee, 11);
        EXPECT_FALSE(dlg.PanelOkPoignee.visible);
        p.geste(Evt::ClicOkPoignee);
        EXPECT_TRUE(dlg.fenetre.visible);
        p.geste(Evt::ClicCartePoignee, 11);
        EXPECT_TRUE(dlg.PanelOkPoignee.visible);
    }
    p.geste(Evt::ClicAnnulerPoignee);
    EXPECT_FALSE(dlg.fenetre.visible);
    EXPECT_TRUE(p.table().fenetre.enabled);
    EXPECT_EQ(p.donne().poignee, 0);
    EXPECT_EQ(p.donne().phase, Phase::TourSud);
    EXPECT_TRUE(p.tourDuJoueur());
}

TEST(Poignee, RefuseeLeJoueurJoueAussitot) {
    PartieTest p;
    jusquALOffre(p, 10);
    p.geste(Evt::ClicPoignee, 0);
    EXPECT_FALSE(p.table().PanelPoignee.visible);
    EXPECT_EQ(p.donne().poignee, 0);
    const int carte = p.premiereJouable();
    p.clicCarte(carte);
    EXPECT_FALSE(p.table().Carte3D[carte].visible);
}

TEST(Poignee, SansLOptionPasDOffreEtMessageEnAnglais) {
    {
        PartieTest p;
        p.geste(Evt::MenuProposerPoignee);
        jusquALOffre(p, 10);
        EXPECT_FALSE(p.table().PanelPoignee.visible);
        EXPECT_EQ(p.donne().phase, Phase::TourSud);
    }
    {
        PartieTest p(ANGLAIS);
        jusquALOffre(p, 11);
        p.geste(Evt::ClicPoignee, 1);
        p.geste(Evt::ClicCartePoignee, atoutsDeSud(p.donne()));
        EXPECT_EQ(p.plateforme.dernierMessage(), "You can't choose the Fool!");
    }
}
