#include "commun/partie_test.h"
#include "fenetres/modele/options.h"
#include "reglages/persistance.h"

#include <gtest/gtest.h>

using namespace quarvel;
using namespace quarvel::test;

namespace {

Octets entier(int v) {
    return octetsEntier(v);
}

} // namespace

TEST(Persistance, PremierLancementEcritToutesLesValeursParDefaut) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    const auto noms = nomsReglages();
    ASSERT_EQ(noms.size(), 2u + 1 + 5 + 3 + 8 + 2 + 24 + 100 + 4 + 1 + 3 + 5 * 17 + 1 + 100 + 1);
    // One whole save, in table order.
    ASSERT_EQ(p.magasin.ecritures, noms);
    EXPECT_EQ(p.magasin.taille(), noms.size());

    auto octets = [&](const char* nom) { return p.magasin.valeur(nom)->octets; };
    EXPECT_EQ(octets("version"), entier(VERSION_REGLAGES));
    EXPECT_EQ(octets("verif"), Octets{1});
    EXPECT_EQ(octets("niveau"), (Octets{4, 0, 0, 0}));
    EXPECT_EQ(octets("optionCouleurFondEcran"), (Octets{0x00, 0x40, 0x40, 0x00}));
    EXPECT_EQ(octets("optionCouleurTableRonde"), (Octets{0x00, 0x80, 0x00, 0x00}));
    for (const char* n : {"optionCouleurFondEcranPlis", "optionCouleurFondEcranMains",
                          "optionCouleurFondEcranScores"})
        EXPECT_EQ(octets(n), entier(0x808080)) << n;
    EXPECT_EQ(octets("optionForceMain"), entier(2));
    EXPECT_EQ(octets("optionVitesseJeuDeLaCarte"), entier(3));
    EXPECT_EQ(octets("optionAttenteEntreChaquePli"), entier(2));
    for (const char* n : {"optionVisibiliteConseilEnchere", "optionVisibilitePointsPartieEnCours",
                          "optionVisibiliteDeductions", "optionProposePoignee", "optionBarreOutils",
                          "optionBarreInfo", "optionNiveauAdaptatif"})
        EXPECT_EQ(octets(n), Octets{1}) << n;
    EXPECT_EQ(octets("optionAuMoinsUneMainDePrise"), Octets{0});
    EXPECT_EQ(octets("optionNbDonnesChallenge"), entier(12));
    EXPECT_EQ(octets("optionRepartitionDonne"), entier(3));
    EXPECT_EQ(octets("highScoreChallenge23"), entier(300));
    const ValeurStockee* nom = p.magasin.valeur("nomHighScoreChallenge34");
    EXPECT_EQ(nom->type, TypeValeur::Chaine);
    EXPECT_EQ(nom->texte, "Zelbin");
    EXPECT_EQ(octets("fr1"), entier(100));
    EXPECT_EQ(octets("fr100"), entier(100));
    EXPECT_EQ(octets("scoreTotal4"), entier(0));
    // Interleaved high scores, then weights, then scores, then the random state (none kept),
    // then the options that came after it.
    EXPECT_EQ(noms[21], "highScoreChallenge11");
    EXPECT_EQ(noms[22], "nomHighScoreChallenge11");
    EXPECT_EQ(noms[45], "fr1");
    EXPECT_EQ(noms[noms.size() - 192], "scoreTotal4");
    EXPECT_EQ(noms[noms.size() - 191], "graineAleatoire");
    EXPECT_EQ(noms[noms.size() - 188], "optionConseilSimulation");
    // SUD's statistics, level by level, then his last scores, then the last name entered.
    EXPECT_EQ(noms[noms.size() - 187], "statDonnes1");
    EXPECT_EQ(noms[noms.size() - 102], "statNbDernieres");
    EXPECT_EQ(noms.back(), "nomChallenge");
    EXPECT_EQ(octets("optionVisibiliteConseilJeu"), Octets{0});
    EXPECT_EQ(octets("optionAnimationCartes"), Octets{1});
    EXPECT_EQ(octets("optionConseilSimulation"), Octets{0});
    EXPECT_EQ(octets("graineAleatoire"), entier(0));

    // What the user sees of it.
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    EXPECT_TRUE(f.menuPro.checked);
    EXPECT_EQ(f.fenetre.couleur, 0x404000);
    EXPECT_EQ(f.TableRonde.couleur, 0x008000);
    EXPECT_TRUE(jeu.reglages.verif);
}

TEST(Persistance, UnRedemarrageGardeLesOptionsMaisPasLaForceNiLaPrise) {
    PartieTest p{sansDemarrer};
    Jeu& avant = p.demarrer({}, FRANCAIS);
    traiterCommandeOption(avant, {Evt::MenuBarreOutils});
    traiterCommandeOption(avant, {Evt::MenuForce, 6});
    traiterCommandeOption(avant, {Evt::MenuAtLeast});
    traiterCommandeOption(avant, {Evt::MenuVitesse, 1});
    avant.reglages.scoresGlobaux[3] = -250;
    avant.reglages.poidsRegles[17] = 64;
    sauverReglages(avant.reglages, avant.magasin);
    EXPECT_EQ(p.magasin.valeur("optionForceMain")->octets, entier(6));

    const std::size_t ecrituresAvant = p.magasin.ecritures.size();
    Jeu& apres = p.demarrer();
    TfrmQuarvel& f = apres.fen.frmQuarvel;
    EXPECT_FALSE(f.PanelBarreOutils.visible);
    EXPECT_FALSE(f.menuBarreOutils.checked);
    EXPECT_TRUE(f.menuEscargot.checked);
    EXPECT_EQ(f.TimerEntreCarte.interval, 1000);
    EXPECT_EQ(apres.reglages.optionForceMain, 2);
    EXPECT_TRUE(f.menuForceNormale.checked);
    EXPECT_FALSE(f.menuForceGardeContre.checked);
    EXPECT_FALSE(apres.reglages.optionAuMoinsUneMainDePrise);
    EXPECT_FALSE(f.menuAtLeast.checked);
    EXPECT_EQ(apres.reglages.scoresGlobaux[3], -250);
    EXPECT_EQ(apres.reglages.poidsRegles[17], 64);
    // A run that finds its settings does not write them back.
    EXPECT_EQ(p.magasin.ecritures.size(), ecrituresAvant);
}

TEST(Persistance, UnScoreEffaceGardeLaValeurEnMemoire) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    jeu.reglages.scoresGlobaux = {{10, 20, 30, 40}};
    sauverReglages(jeu.reglages, jeu.magasin);
    p.magasin.effacer("scoreTotal2");

    Jeu& neuf = p.demarrer();
    EXPECT_EQ(neuf.reglages.scoresGlobaux, (Tableau<int, 4>{{10, 0, 30, 40}}));

    // A later load keeps whatever is in memory.
    neuf.reglages.scoresGlobaux[2] = 55;
    chargerReglages(neuf.reglages, neuf.magasin);
    EXPECT_EQ(neuf.reglages.scoresGlobaux[2], 55);
    EXPECT_EQ(neuf.reglages.scoresGlobaux[4], 40);

    // A missing holder name, on the other hand, reads as empty.
    p.magasin.effacer("nomHighScoreChallenge21");
    chargerReglages(neuf.reglages, neuf.magasin);
    EXPECT_EQ(neuf.reglages.nomHighScoreChallenge[2][1], "");
    EXPECT_EQ(neuf.reglages.nomHighScoreChallenge[2][2], "Zelbin");
}

TEST(Persistance, UneValeurAbimeeEstIgnoreeEtLaSuiteSeCharge) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    jeu.reglages.niveau = 2;
    jeu.reglages.optionVitesseJeuDeLaCarte = 4;
    jeu.reglages.poidsRegles[5] = 80;
    jeu.reglages.poidsRegles[6] = 77;
    jeu.reglages.scoresGlobaux[4] = 1234;
    jeu.reglages.optionBarreInfo = false;
    sauverReglages(jeu.reglages, jeu.magasin);

    p.magasin.poserBinaire("niveau", {3, 0, 0});                     // too short
    p.magasin.poserChaine("optionVitesseJeuDeLaCarte", "rapide !");  // a string
    p.magasin.poserBinaire("fr5", {1, 2, 3, 4, 5, 6, 7, 8});         // too long
    p.magasin.poserBinaire("optionVisibiliteDeductions", {7});       // not a boolean
    p.magasin.poserBinaire("optionProposePoignee", {0, 0, 0, 0});    // wrong size
    p.magasin.poserBinaire("nomHighScoreChallenge11", {0x5A, 0x00}); // bytes for a name
    p.magasin.poserChaine("scoreTotal1", "\x01\xff garbage");
    const std::size_t ecrituresAvant = p.magasin.ecritures.size();

    Jeu& neuf = p.demarrer();
    const Reglages& r = neuf.reglages;
    // The damaged values leave their variables as they were at start-up.
    EXPECT_EQ(r.niveau, 4);
    EXPECT_EQ(r.optionVitesseJeuDeLaCarte, 3);
    EXPECT_EQ(r.poidsRegles[5], 100);
    EXPECT_TRUE(r.optionVisibiliteDeductions);
    EXPECT_TRUE(r.optionProposePoignee);
    EXPECT_EQ(r.nomHighScoreChallenge[1][1], "Zelbin");
    EXPECT_EQ(r.scoresGlobaux[1], 0);
    // Everything after them is read.
    EXPECT_EQ(r.poidsRegles[6], 77);
    EXPECT_EQ(r.scoresGlobaux[4], 1234);
    EXPECT_FALSE(r.optionBarreInfo);
    EXPECT_FALSE(neuf.fen.frmQuarvel.panelBarreInfo.visible);
    // Loading never rewrote the store: the damage stays until the next save.
    EXPECT_EQ(p.magasin.ecritures.size(), ecrituresAvant);
    EXPECT_EQ(p.magasin.valeur("fr6")->octets, entier(77));
}

TEST(Persistance, UnMarqueurIlisibleNeRemetPasLesValeursParDefaut) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    jeu.reglages.scoresGlobaux[1] = 900;
    sauverReglages(jeu.reglages, jeu.magasin);
    p.magasin.poserBinaire("verif", {1, 0, 0, 0});
    const std::size_t ecrituresAvant = p.magasin.ecritures.size();

    Jeu& neuf = p.demarrer();
    EXPECT_EQ(neuf.reglages.scoresGlobaux[1], 900);
    EXPECT_EQ(p.magasin.valeur("scoreTotal1")->octets, entier(900));
    EXPECT_EQ(p.magasin.ecritures.size(), ecrituresAvant);

    // A marker stored as 0 is a first run: the defaults are written.
    p.magasin.poserBinaire("verif", {0});
    Jeu& remis = p.demarrer();
    EXPECT_EQ(remis.reglages.scoresGlobaux[1], 0);
    EXPECT_EQ(p.magasin.valeur("verif")->octets, Octets{1});
}

TEST(Persistance, UnMagasinQuiRefuseNeFaitRienTomber) {
    PartieTest p{sansDemarrer};
    p.magasin.refuserEcritures = true;
    Jeu& jeu = p.demarrer({}, ANGLAIS);
    EXPECT_EQ(p.magasin.taille(), 0u);
    EXPECT_TRUE(jeu.fen.frmQuarvel.menuPro.checked);
    EXPECT_FALSE(sauverReglages(jeu.reglages, jeu.magasin));
    traiterCommandeOption(jeu, {Evt::MenuNiveau, 1});
    EXPECT_TRUE(jeu.fen.frmQuarvel.menuDebutant.checked);
    traiterCommandeOption(jeu, {Evt::MenuQuit});
    EXPECT_EQ(p.plateforme.nbQuitter, 1);

    p.magasin.refuserEcritures = false;
    EXPECT_TRUE(sauverReglages(jeu.reglages, jeu.magasin));
    EXPECT_EQ(p.magasin.valeur("niveau")->octets, entier(1));

    // No store at all.
    Jeu seul;
    demarrerJeu(seul, {}, nullptr, nullptr, ".");
    EXPECT_FALSE(sauverReglages(seul.reglages, seul.magasin));
    EXPECT_EQ(seul.reglages.niveau, 4);
}

TEST(Persistance, EntiersSurQuatreOctetsPetitBoutiste) {
    EXPECT_EQ(octetsEntier(-5), (Octets{0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(octetsEntier(0x01020304), (Octets{4, 3, 2, 1}));
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    jeu.reglages.scoresGlobaux = {{-2147483647 - 1, 2147483647, -1, 256}};
    sauverReglages(jeu.reglages, jeu.magasin);
    Jeu& neuf = p.demarrer();
    EXPECT_EQ(neuf.reglages.scoresGlobaux,
              (Tableau<int, 4>{{-2147483647 - 1, 2147483647, -1, 256}}));
}

TEST(Persistance, UneStatistiqueAbimeeEstIgnoreeEtLesAutresSeChargent) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    StatistiquesNiveau& n = jeu.reglages.statistiques.niveaux[2];
    n.donnes = 7;
    n.prises[3] = 2;
    n.points = -345;
    jeu.reglages.statistiques.nbDernieres = 1;
    jeu.reglages.statistiques.dernieres[1] = -345;
    sauverReglages(jeu.reglages, &p.magasin);
    p.magasin.poserBinaire("statDonnes2", {7, 0, 0});        // a byte short
    p.magasin.poserChaine("statPoints2", "-345");            // not binary
    p.magasin.poserBinaire("statNbDernieres", entier(5000)); // past the scores kept
    const Reglages relu = p.demarrer().reglages;
    const StatistiquesNiveau& r = relu.statistiques.niveaux[2];
    EXPECT_EQ(r.donnes, 0);
    EXPECT_EQ(r.points, 0);
    EXPECT_EQ(r.prises[3], 2);
    EXPECT_EQ(relu.statistiques.nbDernieres, 0);
    EXPECT_EQ(relu.statistiques.dernieres[1], -345);
}
