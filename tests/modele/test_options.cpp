#include "commun/partie_test.h"
#include "fenetres/modele/options.h"
#include "reglages/persistance.h"

#include <gtest/gtest.h>

#include <set>

using namespace quarvel;
using namespace quarvel::test;

TEST(Options, LeNiveauNeChangePasEnPleinePartie) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, FRANCAIS);
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    const std::size_t ecritures = p.magasin.ecritures.size();

    jeu.donne.numeroPli = 5;
    EXPECT_TRUE(traiterCommandeOption(jeu, {Evt::MenuNiveau, 3}));
    ASSERT_EQ(p.plateforme.messages.size(), 1u);
    EXPECT_EQ(p.plateforme.dernierMessage(),
              "Vous ne pouvez pas changer de niveau en pleine partie\u00a0!");
    EXPECT_EQ(jeu.reglages.niveau, 4);
    EXPECT_TRUE(f.menuPro.checked);
    EXPECT_FALSE(f.menuBon.checked);
    EXPECT_EQ(p.magasin.ecritures.size(), ecritures);

    for (int pli : {1, 18}) {
        jeu.donne.numeroPli = pli;
        changerNiveau(jeu, 1);
        EXPECT_EQ(jeu.reglages.niveau, 4) << pli;
    }

    // During the bidding, and once the deal is over.
    jeu.donne.numeroPli = 0;
    changerNiveau(jeu, 3);
    EXPECT_TRUE(f.menuBon.checked);
    EXPECT_FALSE(f.menuPro.checked);
    EXPECT_EQ(p.magasin.valeur("niveau")->octets, octetsEntier(3));
    jeu.donne.numeroPli = 19;
    changerNiveau(jeu, 1);
    EXPECT_TRUE(f.menuDebutant.checked);
    EXPECT_FALSE(f.menuBon.checked);
    EXPECT_EQ(p.magasin.valeur("niveau")->octets, octetsEntier(1));
    EXPECT_EQ(p.plateforme.messages.size(), 3u);
}

TEST(Options, LeRefusParleLaLangueChoisie) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, ANGLAIS);
    jeu.donne.numeroPli = 12;
    changerNiveau(jeu, 2);
    EXPECT_EQ(p.plateforme.dernierMessage(),
              "You can only change level at the beginning of a new deal!");
}

TEST(Options, VitesseEtAttenteReglentLesMinuteries) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, FRANCAIS);
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    // Defaults: normal speed, two seconds.
    EXPECT_EQ(jeu.minuteries.TimerEntreCarte.interval, 200);
    EXPECT_EQ(jeu.minuteries.TimerTransition.interval, 2000);
    EXPECT_TRUE(jeu.continuerAuto);

    const std::pair<int, int> vitesses[] = {{5, 1}, {4, 100}, {3, 200}, {2, 400}, {1, 1000}};
    for (auto [code, ms] : vitesses) {
        traiterCommandeOption(jeu, {Evt::MenuVitesse, code});
        EXPECT_EQ(jeu.minuteries.TimerEntreCarte.interval, ms) << code;
        EXPECT_EQ(p.magasin.valeur("optionVitesseJeuDeLaCarte")->octets, octetsEntier(code));
    }
    EXPECT_TRUE(f.menuEscargot.checked);
    EXPECT_FALSE(f.menuInstantane.checked);

    traiterCommandeOption(jeu, {Evt::MenuAttente, 0});
    EXPECT_FALSE(jeu.continuerAuto);
    EXPECT_TRUE(f.menuClickObligatoire.checked);
    traiterCommandeOption(jeu, {Evt::MenuAttente, 3});
    EXPECT_TRUE(jeu.continuerAuto);
    EXPECT_EQ(jeu.minuteries.TimerTransition.interval, 5000);
    EXPECT_TRUE(f.menuCinqSecondes.checked);
    EXPECT_FALSE(f.menuClickObligatoire.checked);

    // Out-of-range values check nothing and keep the intervals.
    jeu.reglages.optionVitesseJeuDeLaCarte = 9;
    jeu.reglages.optionAttenteEntreChaquePli = -1;
    appliquerOptions(jeu);
    EXPECT_EQ(jeu.minuteries.TimerEntreCarte.interval, 1000);
    EXPECT_EQ(jeu.minuteries.TimerTransition.interval, 5000);
    EXPECT_TRUE(jeu.continuerAuto);
    EXPECT_TRUE(f.menuEscargot.checked);

    // A running card timer takes the new pace at once.
    jeu.maintenant = 10'000;
    jeu.minuteries.TimerEntreCarte.demarrer(jeu.maintenant);
    traiterCommandeOption(jeu, {Evt::MenuVitesse, 5});
    EXPECT_TRUE(jeu.minuteries.TimerEntreCarte.enabled);
    EXPECT_EQ(jeu.minuteries.TimerEntreCarte.echeance, 10'001);
}

TEST(Options, LesBasculesGardentMenuPanneauEtBoutonEnAccord) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, FRANCAIS);
    TfrmQuarvel& f = jeu.fen.frmQuarvel;

    traiterCommandeOption(jeu, {Evt::MenuDeductions});
    EXPECT_FALSE(f.PanelDeductions.visible);
    EXPECT_FALSE(f.SBVoirDeductions.checked);
    EXPECT_FALSE(f.menuDeductions.checked);
    traiterCommandeOption(jeu, {Evt::MenuDeductions});
    EXPECT_TRUE(f.PanelDeductions.visible);
    EXPECT_TRUE(f.SBVoirDeductions.checked);

    traiterCommandeOption(jeu, {Evt::MenuConseilEnch});
    EXPECT_FALSE(f.evMaMain.visible);
    EXPECT_FALSE(f.menuConseilEnch.checked);
    traiterCommandeOption(jeu, {Evt::MenuPointsPartieEnCours});
    EXPECT_FALSE(f.PanneauScores.visible);
    traiterCommandeOption(jeu, {Evt::MenuBarreInfo});
    EXPECT_FALSE(f.panelBarreInfo.visible);
    EXPECT_FALSE(f.menuBarreInfo.checked);
    traiterCommandeOption(jeu, {Evt::MenuProposerPoignee});
    EXPECT_FALSE(jeu.reglages.optionProposePoignee);
    EXPECT_FALSE(f.menuProposerPoignee.checked);
    traiterCommandeOption(jeu, {Evt::MenuNiveauAdaptatif});
    EXPECT_FALSE(f.menuOptionNiveauAdaptatif.checked);
    traiterCommandeOption(jeu, {Evt::MenuForce, 1});
    EXPECT_TRUE(f.menuForceDefense.checked);
    EXPECT_FALSE(f.menuForceNormale.checked);

    EXPECT_EQ(p.magasin.valeur("optionVisibiliteDeductions")->octets, Octets{1});
    for (const char* n : {"optionVisibiliteConseilEnchere", "optionVisibilitePointsPartieEnCours",
                          "optionBarreInfo", "optionProposePoignee", "optionNiveauAdaptatif"})
        EXPECT_EQ(p.magasin.valeur(n)->octets, Octets{0}) << n;
}

TEST(Options, UneCouleurAnnuleeEnregistreQuandMeme) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, FRANCAIS);
    TfrmQuarvel& f = jeu.fen.frmQuarvel;

    p.magasin.ecritures.clear();
    traiterCommandeOption(jeu, {Evt::MenuCouleurTableRonde}); // no answer queued: cancelled
    EXPECT_EQ(p.plateforme.couleursProposees.back(), 0x008000);
    EXPECT_EQ(f.TableRonde.couleur, 0x008000);
    EXPECT_EQ(p.magasin.ecritures, nomsReglages());

    p.plateforme.couleurs.push_back(0x123456);
    traiterCommandeOption(jeu, {Evt::MenuCouleurFondEcran});
    EXPECT_EQ(p.plateforme.couleursProposees.back(), 0x404000);
    EXPECT_EQ(f.fenetre.couleur, 0x123456);
    EXPECT_EQ(p.magasin.valeur("optionCouleurFondEcran")->octets, octetsEntier(0x123456));
}

TEST(Options, QuitterAideEtAPropos) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, ANGLAIS);
    jeu.reglages.scoresGlobaux[2] = 42;
    p.magasin.ecritures.clear();
    traiterCommandeOption(jeu, {Evt::MenuQuit});
    EXPECT_EQ(p.magasin.ecritures.size(), nomsReglages().size());
    EXPECT_EQ(p.magasin.valeur("scoreTotal2")->octets, octetsEntier(42));
    EXPECT_EQ(p.plateforme.nbQuitter, 1);

    traiterCommandeOption(jeu, {Evt::MenuApropos});
    EXPECT_EQ(p.plateforme.messages.back().titre, "About Quarvel");
    EXPECT_EQ(p.plateforme.dernierMessage(),
              "QUARVEL 99.2\n\nFrench tarot for four: you, sitting SOUTH, against three computer "
              "players.\n\n© 2026 Ostravin. All rights reserved.");
    traiterCommandeOption(jeu, {Evt::MenuSommaire});
    traiterCommandeOption(jeu, {Evt::MenuSommaire});
    EXPECT_EQ(p.plateforme.aides, (std::vector<std::string>{"/opt/quarvel/quarvelus.html",
                                                            "/opt/quarvel/quarvelus.html"}));

    // Not an option command: left to the deal flow.
    EXPECT_FALSE(traiterCommandeOption(jeu, {Evt::ClicCarte3D, 3}));
    EXPECT_FALSE(traiterCommandeOption(jeu, {Evt::MenuNewGame}));
    EXPECT_FALSE(traiterCommandeOption(jeu, {Evt::MenuPreviousTrick}));
}

// Each run deals on from where the last one stopped, a first run from the constant, and a deal
// number typed in deals that deal again.
TEST(Options, DonnesNouvellesAChaqueLancementEtDonneChoisie) {
    PartieTest premier, autre;
    premier.commencer();
    autre.commencer();
    const Donne d1 = premier.donne();
    EXPECT_TRUE(d1.mainsDonnees == autre.donne().mainsDonnees);
    EXPECT_EQ(premier.table().PanelNumeroDonne.caption, "Donne n° " + std::to_string(d1.numero));

    premier.geste(Evt::MenuQuit);
    premier.demarrer({}, FRANCAIS);
    premier.commencer();
    EXPECT_FALSE(premier.donne().mainsDonnees == d1.mainsDonnees);

    // Not a number: a message, and the deal stays.
    const Donne d2 = premier.donne();
    for (const char* tape : {"12x", "-5", "4294967296", ""}) {
        premier.plateforme.textes.push_back(tape);
        premier.geste(Evt::MenuChoisirDonne);
        EXPECT_EQ(premier.plateforme.dernierMessage(),
                  "Ce n'est pas un numéro de donne\u00a0: tapez un nombre de 0 à 4294967295.")
            << tape;
        EXPECT_TRUE(premier.donne().mainsDonnees == d2.mainsDonnees) << tape;
    }
    premier.plateforme.textes.push_back(" " + std::to_string(d1.numero) + " ");
    premier.geste(Evt::MenuChoisirDonne);
    EXPECT_TRUE(premier.donne().mainsDonnees == d1.mainsDonnees);
    EXPECT_EQ(premier.donne().numero, d1.numero);
}

// Deals chosen by their number leave the game's own deals where they were: a new deal, and the
// next run, go on from there, even when the run ends mid-deal without Quit; the first run of
// all deals the constant deal.
TEST(Options, UnLancementNeRedonneJamaisUneDonneDejaCommencee) {
    PartieTest sansChoix;
    sansChoix.commencer();
    sansChoix.nouvelleDonneMenu();
    const std::uint32_t suiteAttendue = sansChoix.donne().numero;

    PartieTest p{sansDemarrer};
    p.demarrer({}, FRANCAIS);
    p.commencer();
    std::set<std::uint32_t> commencees = {p.donne().numero};
    EXPECT_EQ(p.donne().numero, GRAINE_INITIALE);
    for (const char* n : {"12345", "4294967295"}) {
        p.plateforme.textes.push_back(n);
        p.geste(Evt::MenuChoisirDonne);
        commencees.insert(p.donne().numero);
    }
    EXPECT_EQ(commencees, (std::set<std::uint32_t>{GRAINE_INITIALE, 12345u, 4294967295u}));
    // The run ends here, no Quit: the next one deals what the game's own deals led to.
    for (int lancement = 0; lancement < 3; ++lancement) {
        p.demarrer({}, FRANCAIS);
        p.commencer();
        EXPECT_EQ(commencees.count(p.donne().numero), 0u) << lancement;
        if (lancement == 0) {
            EXPECT_EQ(p.donne().numero, suiteAttendue);
        }
        commencees.insert(p.donne().numero);
    }
    // In a run too: a new deal after a chosen one goes on with the game's own deals.
    p.plateforme.textes.push_back(std::to_string(GRAINE_INITIALE));
    p.geste(Evt::MenuChoisirDonne);
    EXPECT_EQ(p.donne().numero, GRAINE_INITIALE);
    p.nouvelleDonneMenu();
    EXPECT_EQ(commencees.count(p.donne().numero), 0u);
}
