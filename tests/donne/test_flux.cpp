// Whole deals played through gestures and the virtual clock, as a person plays them.
#include "aides/cartes_test.h"
#include "commun/partie_test.h"
#include "encheres/ecart.h"

#include <gtest/gtest.h>

using namespace quarvel;
using quarvel::test::PartieTest;

namespace {

constexpr const char* CLIQUEZ = "Cliquez n'importe où pour continuer à jouer...";

bool sansCarteDeDefausseInterdite(const Chien& ecart) {
    for (const Carte& c : ecart)
        if (c.couleur == ATOUT || c.valeur == ROI) return false;
    return true;
}

} // namespace

TEST(Flux, AvantLaPremiereDonneSeulLeBoutonDeLancementAgit) {
    PartieTest p;
    EXPECT_TRUE(p.table().PanelLancement.visible);
    p.clicFond();
    p.espace();
    EXPECT_FALSE(p.tic());
    EXPECT_EQ(p.imagesVisibles(), 0);

    p.commencer();
    EXPECT_FALSE(p.table().PanelLancement.visible);
    EXPECT_EQ(p.donne().premierParlant, OUEST);
    EXPECT_EQ(p.imagesVisibles(), 18);
    EXPECT_TRUE(p.table().menuGameAgain.enabled);
    // OUEST speaks first: his bid shows after one tick of the bidding timer.
    EXPECT_FALSE(p.table().PanelDec[OUEST].visible);
    EXPECT_TRUE(p.tic());
    EXPECT_TRUE(p.table().PanelDec[OUEST].visible);
    EXPECT_TRUE(p.table().BarreEnchere.visible);
}

TEST(Flux, TousPassentEtLaDonneEstRedistribuee) {
    PartieTest p;
    p.menuForce(1);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PASSE; }));
    const Siege premier = p.donne().premierParlant;
    p.encheresAvec(PASSE);
    EXPECT_EQ(p.info(), "Tout le monde a passé\u00a0: cliquez pour une nouvelle donne.");
    for (Siege s : SIEGES) {
        EXPECT_TRUE(p.table().PanelDec[s].visible);
        EXPECT_EQ(p.table().PanelDec[s].caption, "PASSE");
        EXPECT_EQ(p.table().PanelDec[s].taillePolice, 12); // readable, if smaller than a bid
    }
    // A click during the bidding's last wait closes it: nobody took, a new deal at once.
    p.espace();
    EXPECT_EQ(p.donne().premierParlant, siegeSuivant(premier));
    EXPECT_EQ(p.donne().numeroPli, 0);
    EXPECT_EQ(p.donne().preneur, Siege::Aucun);
    for (Siege s : SIEGES) EXPECT_FALSE(p.table().PanelDec[s].visible) << s;
    EXPECT_FALSE(p.table().TableRonde.visible);
}

TEST(Flux, PriseDuJoueurAvecEcart) {
    PartieTest p;
    p.menuForce(3);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PASSE; }));
    p.encheresAvec(PRISE);
    p.clicFond();
    TfrmQuarvel& q = p.table();
    EXPECT_EQ(q.PanelPreneur.caption, "SUD");
    EXPECT_EQ(q.PanelEnchere.caption, "PRISE");
    EXPECT_TRUE(q.PanelPreneur.visible && q.PanelEnchere.visible);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(q.CarteChien[k].visible);
        EXPECT_EQ(q.CarteChien[k].carte, p.donne().chienDonne[k]);
    }
    EXPECT_EQ(p.info(), "Et voici le Chien\u00a0! À présent, cliquez pour continuer à jouer...");
    EXPECT_FALSE(q.TableRonde.visible);
    for (Siege s : SIEGES) EXPECT_FALSE(q.PanelDec[s].visible);

    // The click puts the dog away: the row of 24 to choose from.
    p.clicFond();
    EXPECT_TRUE(q.TableRonde.visible);
    EXPECT_TRUE(q.CadrePreneur[SUD].visible);
    EXPECT_EQ(p.imagesVisibles(), 24);
    EXPECT_EQ(p.info(), "Cliquez sur 6 cartes pour constituer l'écart");
    for (int k = 1; k <= 6; ++k) EXPECT_FALSE(q.CarteChien[k].visible);

    // Trumps and Rois do not react.
    int interdite = 0;
    for (int i = 1; i <= 24 && !interdite; ++i)
        if (q.Carte3D[i].curseur == Curseur::Interdit) interdite = i;
    ASSERT_NE(interdite, 0);
    const int hautInterdite = q.Carte3D[interdite].geo.top;
    p.clicCarte(interdite);
    EXPECT_EQ(q.Carte3D[interdite].geo.top, hautInterdite);

    int choix[7], n = 0;
    for (int i = 1; i <= 24 && n < 7; ++i)
        if (q.Carte3D[i].curseur == Curseur::Main) choix[n++] = i;
    ASSERT_EQ(n, 7);
    for (int k = 0; k < 6; ++k) {
        EXPECT_FALSE(q.PanelConfirmeEcart.visible) << k;
        const int haut = q.Carte3D[choix[k]].geo.top;
        p.clicCarte(choix[k]);
        EXPECT_EQ(q.Carte3D[choix[k]].geo.top, haut - 20);
    }
    EXPECT_TRUE(q.PanelConfirmeEcart.visible);
    // A seventh is refused, the table does not advance meanwhile.
    const int haut7 = q.Carte3D[choix[6]].geo.top;
    p.clicCarte(choix[6]);
    EXPECT_EQ(q.Carte3D[choix[6]].geo.top, haut7);
    p.clicFond();
    p.espace();
    EXPECT_EQ(p.donne().phase, Phase::Ecart);
    EXPECT_FALSE(p.tic());
    // One dropped back, another chosen.
    p.clicCarte(choix[0]);
    EXPECT_FALSE(q.PanelConfirmeEcart.visible);
    p.clicCarte(choix[6]);
    EXPECT_TRUE(q.PanelConfirmeEcart.visible);

    Carte ecartVoulu[6];
    for (int k = 1; k <= 6; ++k) ecartVoulu[k - 1] = q.Carte3D[choix[k]].carte;
    p.confirmerEcart();
    EXPECT_FALSE(q.PanelConfirmeEcart.visible);
    EXPECT_NE(p.donne().phase, Phase::Ecart);
    EXPECT_EQ(p.imagesVisibles(), 18);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(p.donne().chien[k], ecartVoulu[k - 1]);
        EXPECT_GE(p.jeu.ecart.origineEcart[k], 1);
    }
    for (int i = 1; i < 18; ++i)
        EXPECT_TRUE(avant(p.donne().mains[SUD][i], p.donne().mains[SUD][i + 1])) << i;
    for (int i = 1; i <= 18; ++i) {
        EXPECT_EQ(q.Carte3D[i].carte, p.donne().mains[SUD][i]);
        EXPECT_TRUE(p.donne().mains[SUD][i].enMain);
    }
    // Play starts at once.
    EXPECT_EQ(p.info(), "");
    EXPECT_TRUE(q.TimerEntreCarte.enabled || p.tourDuJoueur());
    p.jouerJusquALaFin();
    EXPECT_EQ(p.donne().numeroPli, 19);
}

TEST(Flux, SudPeutEcarterCommeLOrdinateurEnCliquantSesChoix) {
    PartieTest p;
    p.menuForce(4);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PASSE; }));
    p.encheresAvec(GARDE);
    p.clicFond();
    p.clicFond();
    ASSERT_EQ(p.donne().phase, Phase::Ecart);
    choisirEcartOrdinateur(p.jeu);
    EXPECT_EQ(p.jeu.ecart.nbEcartees, 0);
    for (int i = 1; i <= 24; ++i)
        if (p.jeu.ecart.garderCarte[i] == 0) p.clicCarte(i);
    EXPECT_TRUE(p.table().PanelConfirmeEcart.visible);
    p.confirmerEcart();
    EXPECT_TRUE(sansCarteDeDefausseInterdite(p.donne().chien));
    EXPECT_EQ(p.imagesVisibles(), 18);
}

TEST(Flux, GardeDUnOrdinateurLeClicQuiRangeLeChienLanceLeJeu) {
    PartieTest p;
    p.menuForce(1);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == GARDE; }));
    p.encheresAvec(PASSE);
    p.clicFond();
    const Siege preneur = p.donne().preneur;
    ASSERT_NE(preneur, SUD);
    EXPECT_EQ(p.table().PanelEnchere.caption, "GARDE");
    EXPECT_TRUE(p.table().CarteChien[1].visible);
    EXPECT_FALSE(p.table().TimerEntreCarte.enabled);

    p.clicFond();
    EXPECT_FALSE(p.table().CarteChien[1].visible);
    EXPECT_TRUE(p.table().TableRonde.visible);
    EXPECT_TRUE(p.table().CadrePreneur[preneur].visible);
    EXPECT_EQ(p.info(), "");
    EXPECT_TRUE(p.table().TimerEntreCarte.enabled || p.tourDuJoueur());
    EXPECT_TRUE(sansCarteDeDefausseInterdite(p.donne().chien));
    for (int k = 1; k <= 6; ++k) EXPECT_GE(p.jeu.ecart.origineEcart[k], 1);
    // The computer's discard is never shown.
    EXPECT_EQ(p.imagesVisibles(), 18);
    p.jouerJusquALaFin();
    EXPECT_EQ(p.donne().numeroPli, 19);
}

TEST(Flux, UnClicSurUneCarteDuChienLeRangeAussi) {
    PartieTest p;
    p.menuForce(1);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PRISE; }));
    p.encheresAvec(PASSE);
    p.clicFond();
    p.clicChien(3);
    EXPECT_NE(p.donne().phase, Phase::ChienMontre);
    EXPECT_FALSE(p.table().CarteChien[3].visible);
    EXPECT_TRUE(p.table().TimerEntreCarte.enabled || p.tourDuJoueur());
    EXPECT_TRUE(p.table().TableRonde.visible);
}

TEST(Flux, GardeSansEtGardeContreSansChienUnClicDePlus) {
    for (Contrat contrat : {GARDE_SANS, GARDE_CONTRE}) {
        PartieTest p;
        p.menuForce(contrat == GARDE_SANS ? 5 : 6);
        p.commencer();
        ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() < GARDE_SANS; }));
        p.encheresAvec(contrat);
        p.clicFond();
        EXPECT_EQ(p.donne().preneur, SUD);
        EXPECT_EQ(p.table().PanelEnchere.caption,
                  contrat == GARDE_SANS ? "GARDE SANS" : "GARDE CONTRE");
        for (int k = 1; k <= 6; ++k) EXPECT_FALSE(p.table().CarteChien[k].visible);
        EXPECT_EQ(p.info(), CLIQUEZ);
        EXPECT_FALSE(p.table().TableRonde.visible);
        EXPECT_FALSE(p.tic());

        p.clicTable(); // the table is still hidden: not a gesture yet
        EXPECT_FALSE(p.table().TableRonde.visible);
        p.clicFond();
        EXPECT_TRUE(p.table().TableRonde.visible);
        EXPECT_TRUE(p.table().TimerEntreCarte.enabled);
        EXPECT_EQ(p.donne().chien, p.donne().chienDonne);
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(p.jeu.ecart.origineEcart[k], -1);
        p.jouerJusquALaFin();
        EXPECT_EQ(p.donne().numeroPli, 19);
    }
}

TEST(Flux, FinDeDonneLesCartesRestentEtPlusRienNeSeJoue) {
    PartieTest p;
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() >= PRISE; }));
    p.encheresAvec(PASSE);
    p.clicFond();
    p.clicFond();
    p.jouerJusquALaFin();
    ASSERT_EQ(p.donne().numeroPli, 19);
    EXPECT_EQ(p.cartesSurLaTable(), 4);
    EXPECT_TRUE(p.table().PanelResultat.visible);
    EXPECT_FALSE(p.table().TimerTransition.enabled);
    const int points = p.donne().pointsPreneur + p.donne().pointsDefense;
    EXPECT_EQ(points, 182);
    p.clicFond();
    p.jusquAuRepos();
    p.espace();
    p.jusquAuRepos();
    EXPECT_EQ(p.cartesSurLaTable(), 4);
    EXPECT_EQ(p.donne().numeroPli, 19);
    EXPECT_EQ(p.imagesVisibles(), 0);

    // The result panel's buttons: the same deal again, then a new one.
    const Donne finie = p.donne();
    p.geste(Evt::ClicRejouerDonne);
    EXPECT_FALSE(p.table().PanelResultat.visible);
    EXPECT_TRUE(p.donne().donneRejouee);
    EXPECT_EQ(p.donne().mainsDonnees, finie.mainsDonnees);
    EXPECT_EQ(p.donne().premierParlant, finie.premierParlant);
    EXPECT_EQ(p.cartesSurLaTable(), 0);
    p.geste(Evt::ClicNouvelleDonne); // hidden now: nothing
    EXPECT_TRUE(p.donne().donneRejouee);
    p.geste(Evt::MenuNewGame);
    EXPECT_FALSE(p.donne().donneRejouee);
    EXPECT_EQ(p.donne().premierParlant, siegeSuivant(finie.premierParlant));
}
