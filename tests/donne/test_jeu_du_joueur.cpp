// The person's own play, the waits between tricks, and deals dropped or replayed midway.
#include "commun/partie_test.h"

#include <gtest/gtest.h>

using namespace quarvel;
using quarvel::test::PartieTest;

namespace {

bool pliARamasser(PartieTest& p) {
    return p.donne().phase == Phase::PliARamasser || p.donne().phase == Phase::DernierPli;
}

// A deal taken by a computer at GARDE SANS or below, put in play; the person only defends.
void enJeu(PartieTest& p) {
    p.menuForce(1);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() >= PRISE; }));
    p.encheresAvec(PASSE);
    p.clicFond();
    if (p.donne().phase == Phase::ChienMontre) p.clicFond();
    if (clicPourContinuer(p.donne().phase)) p.clicFond();
    ASSERT_EQ(p.donne().numeroPli, 1);
}

// Plays on until the person's turn with at least one card he may not play.
bool jusquAUneCarteInterdite(PartieTest& p) {
    for (int n = 0; n < 200 && p.donne().numeroPli <= 18; ++n) {
        if (p.table().PanelPoignee.visible) p.geste(Evt::ClicPoignee, 0);
        if (p.tourDuJoueur() && p.premiereInterdite() != 0) return true;
        if (p.tourDuJoueur())
            p.clicCarte(p.premiereJouable());
        else if (clicPourContinuer(p.donne().phase))
            p.clicFond();
        else if (!p.tic())
            return false;
    }
    return false;
}

} // namespace

TEST(JeuDuJoueur, CartesInterditesEtClicsHorsDeSonTour) {
    PartieTest p;
    enJeu(p);
    ASSERT_TRUE(jusquAUneCarteInterdite(p));
    EXPECT_EQ(p.info(), "À vous de jouer\u00a0!");
    const int interdite = p.premiereInterdite();
    const int posees = p.donne().pli.nbCartesJouees;
    p.clicCarte(interdite);
    EXPECT_TRUE(p.table().Carte3D[interdite].visible);
    EXPECT_TRUE(p.donne().mains[SUD][interdite].enMain);
    EXPECT_EQ(p.donne().pli.nbCartesJouees, posees);
    EXPECT_FALSE(p.table().CarteTable[SUD].visible);

    // A playable card goes to the table; a second click before the next turn does nothing.
    const int jouable = p.premiereJouable();
    const Carte carte = p.donne().mains[SUD][jouable];
    p.clicCarte(jouable);
    EXPECT_FALSE(p.table().Carte3D[jouable].visible);
    EXPECT_TRUE(p.table().CarteTable[SUD].visible);
    EXPECT_EQ(p.table().CarteTable[SUD].carte, carte);
    if (!pliARamasser(p)) {
        EXPECT_EQ(p.info(), "À vous de jouer\u00a0!"); // not cleared by the click
    }
    const int autre = p.premiereJouable() == jouable ? 0 : p.premiereJouable();
    if (autre) {
        p.clicCarte(autre);
        EXPECT_TRUE(p.table().Carte3D[autre].visible);
    }
}

TEST(JeuDuJoueur, UnClicPendantLeTourDUnOrdinateurNeFaitRien) {
    PartieTest p;
    enJeu(p);
    for (int n = 0; n < 100; ++n) {
        if (p.table().TimerEntreCarte.enabled && p.donne().joueurCourant != SUD) break;
        if (p.tourDuJoueur())
            p.clicCarte(p.premiereJouable());
        else if (clicPourContinuer(p.donne().phase))
            p.clicFond();
        else
            p.tic();
    }
    ASSERT_NE(p.donne().joueurCourant, SUD);
    const Donne avant = p.donne();
    for (int i = 1; i <= 18; ++i) p.clicCarte(i);
    EXPECT_EQ(p.donne().pli.nbCartesJouees, avant.pli.nbCartesJouees);
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(p.donne().mains[SUD][i].enMain, avant.mains[SUD][i].enMain);
}

TEST(JeuDuJoueur, UnClicSurUneCartePendantQueLePliAttendLeRamasse) {
    PartieTest p;
    p.menuAttente(0);
    enJeu(p);
    for (int n = 0; n < 100 && !pliARamasser(p); ++n) {
        if (p.tourDuJoueur())
            p.clicCarte(p.premiereJouable());
        else
            p.tic();
    }
    ASSERT_TRUE(pliARamasser(p));
    EXPECT_EQ(p.cartesSurLaTable(), 4);
    EXPECT_EQ(p.info(), "Cliquez n'importe où pour continuer à jouer...");
    // Click obligatoire: nothing moves by itself.
    EXPECT_FALSE(p.tic());
    int image = 0;
    for (int i = 1; i <= 18 && !image; ++i)
        if (p.table().Carte3D[i].visible) image = i;
    p.clicCarte(image);
    EXPECT_TRUE(p.table().Carte3D[image].visible);
    EXPECT_EQ(p.cartesSurLaTable(), 0);
    EXPECT_EQ(p.donne().numeroPli, 2);
    EXPECT_TRUE(p.table().menuPreviousTrick.enabled);
    EXPECT_EQ(p.info(), "");
    EXPECT_TRUE(p.table().TimerEntreCarte.enabled);
}

TEST(JeuDuJoueur, AttenteDeDeuxSecondesEtClicPendantLAttente) {
    PartieTest p;
    p.menuAttente(2);
    p.menuVitesse(3); // 200 ms a card
    enJeu(p);
    auto jusquAuPli = [&] {
        for (int n = 0; n < 100 && !pliARamasser(p); ++n) {
            if (p.tourDuJoueur())
                p.clicCarte(p.premiereJouable());
            else
                p.tic();
        }
    };
    // Left alone, the trick is gathered two seconds later.
    jusquAuPli();
    ASSERT_TRUE(p.table().TimerTransition.enabled);
    std::int64_t t0 = p.jeu.maintenant;
    ASSERT_TRUE(p.tic());
    EXPECT_EQ(p.jeu.maintenant - t0, 2000);
    EXPECT_EQ(p.cartesSurLaTable(), 0);
    EXPECT_TRUE(p.table().TimerEntreCarte.enabled);

    // A click during the wait goes on at once; the wait is cancelled, so the next trick starts
    // once, one card interval later.
    jusquAuPli();
    ASSERT_TRUE(p.table().TimerTransition.enabled);
    const int pli = p.donne().numeroPli;
    t0 = p.jeu.maintenant;
    p.espace();
    EXPECT_FALSE(p.table().TimerTransition.enabled);
    EXPECT_EQ(p.cartesSurLaTable(), 0);
    EXPECT_EQ(p.donne().numeroPli, pli);
    if (p.tourDuJoueur()) return;
    ASSERT_TRUE(p.tic());
    EXPECT_EQ(p.jeu.maintenant - t0, 200);
    EXPECT_FALSE(p.table().TimerTransition.enabled);
    EXPECT_LE(p.cartesSurLaTable(), 1);
}

TEST(JeuDuJoueur, NouvelleDonneEnPleinPli) {
    PartieTest p;
    enJeu(p);
    for (int n = 0; n < 100 && p.cartesSurLaTable() < 2; ++n) {
        if (p.tourDuJoueur())
            p.clicCarte(p.premiereJouable());
        else
            p.tic();
    }
    ASSERT_GE(p.cartesSurLaTable(), 2);
    const Siege premier = p.donne().premierParlant;
    p.nouvelleDonneMenu();
    EXPECT_EQ(p.cartesSurLaTable(), 0);
    EXPECT_EQ(p.donne().numeroPli, 0);
    EXPECT_EQ(p.donne().premierParlant, siegeSuivant(premier));
    EXPECT_FALSE(p.table().TimerEntreCarte.enabled);
    EXPECT_FALSE(p.table().TimerTransition.enabled);
    EXPECT_FALSE(p.table().TableRonde.visible);
    EXPECT_FALSE(p.table().PanelPreneur.visible);
    EXPECT_EQ(p.table().nPointsAttaque.caption, "");
    EXPECT_FALSE(p.table().menuPreviousTrick.enabled);
    EXPECT_EQ(p.imagesVisibles(), 18);
    // Nothing of the dropped deal plays on: the bidding goes its normal way.
    p.jusquALaBarre();
    EXPECT_EQ(p.cartesSurLaTable(), 0);
    EXPECT_EQ(p.donne().pli.nbCartesJouees, 0);
}

TEST(JeuDuJoueur, NouvelleDonnePendantLesEncheresLaDeclarationEnAttenteNeFuitPas) {
    PartieTest p;
    p.commencer(); // OUEST speaks first, his bid waits for the bidding timer
    ASSERT_TRUE(p.table().TimerEnchere.enabled);
    p.nouvelleDonneMenu(); // SUD speaks first now
    EXPECT_FALSE(p.table().TimerEnchere.enabled);
    EXPECT_TRUE(p.table().BarreEnchere.visible);
    p.jusquAuRepos();
    EXPECT_FALSE(p.table().PanelDec[OUEST].visible);
    EXPECT_EQ(p.jeu.encheres.nbEncheres, 0);
    EXPECT_EQ(p.donne().encheresAnnoncees[OUEST], PAS_PARLE);
    EXPECT_TRUE(p.table().BarreEnchere.visible);
}

TEST(JeuDuJoueur, NouvelleDonnePendantLEcart) {
    PartieTest p;
    p.menuForce(3);
    p.commencer();
    ASSERT_TRUE(p.donneOu([&](Donne&) { return p.meilleureOrdinateur() == PASSE; }));
    p.encheresAvec(PRISE);
    p.clicFond();
    p.clicFond();
    ASSERT_TRUE(p.donne().phase == Phase::Ecart);
    p.clicCarte(p.premiereJouable());
    p.nouvelleDonneMenu();
    EXPECT_FALSE(p.donne().phase == Phase::Ecart);
    EXPECT_EQ(p.imagesVisibles(), 18);
    EXPECT_FALSE(p.table().PanelConfirmeEcart.visible);
    EXPECT_EQ(p.jeu.ecart.nbEcartees, 0);
    for (int i = 1; i <= 18; ++i) EXPECT_FALSE(p.table().Carte3D[i].enabled);
    // Clicks on the hand during the new bidding do nothing.
    p.clicCarte(1);
    EXPECT_TRUE(p.table().Carte3D[1].visible);
}

TEST(JeuDuJoueur, DonneRejoueeMemesCartesMemePremierParlant) {
    PartieTest p;
    enJeu(p);
    const Donne avant = p.donne();
    for (int n = 0; n < 30; ++n) {
        if (p.tourDuJoueur())
            p.clicCarte(p.premiereJouable());
        else if (clicPourContinuer(p.donne().phase))
            p.clicFond();
        else
            p.tic();
    }
    p.rejouerMenu();
    EXPECT_TRUE(p.donne().donneRejouee);
    EXPECT_TRUE(p.table().SBGameAgain.checked);
    EXPECT_EQ(p.donne().premierParlant, avant.premierParlant);
    EXPECT_EQ(p.donne().mainsDonnees, avant.mainsDonnees);
    EXPECT_EQ(p.donne().chienDonne, avant.chienDonne);
    EXPECT_EQ(p.donne().encheresMeritees, avant.encheresMeritees);
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(p.table().Carte3D[i].carte, avant.mainsDonnees[SUD][i]);
    // The next new deal is not a replay any more.
    p.nouvelleDonneMenu();
    EXPECT_FALSE(p.donne().donneRejouee);
    EXPECT_FALSE(p.table().SBGameAgain.checked);
}
