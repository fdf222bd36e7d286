#include "commun/partie_test.h"
#include "fenetres/modele/controles.h"
#include "fenetres/modele/menus.h"
#include "fenetres/modele/options.h"

#include <gtest/gtest.h>

#include <map>

using namespace quarvel;
using namespace quarvel::test;

namespace {

struct Attendu {
    const char* nom;
    const char* fr;
    const char* en;
};

// Every control and menu item of the main window by name.
std::map<std::string, Composant*> parNom(TfrmQuarvel& f) {
    std::map<std::string, Composant*> m;
    for (const Controle& c : controles(f)) m[c.nom] = c.composant;
    std::vector<const std::vector<NoeudMenu>*> pile;
    auto arbre = arbreMenu(f);
    pile.push_back(&arbre);
    while (!pile.empty()) {
        auto noeuds = pile.back();
        pile.pop_back();
        for (const NoeudMenu& n : *noeuds) {
            if (n.element) m[n.nom] = n.element;
            pile.push_back(&n.enfants);
        }
    }
    return m;
}

const Attendu textesMenus[] = {
    {"menuNewGame", "&Nouvelle partie", "&New deal"},
    {"menuGameAgain", "&Redémarrer la partie", "&Restart the deal"},
    {"menuInitScores", "&Initialiser les scores", "R&eset scores"},
    {"menuQuit", "Q&uitter", "Q&uit"},
    {"menuVoir", "&Voir/Cacher", "Sho&w/Hide"},
    {"menuScoresGlobaux", "Les &Scores globaux", "&Global scores"},
    {"menuConseilEnch", "Le &Conseil d'enchère", "Bid &Advice"},
    {"menuPointsPartieEnCours", "Les &Points de la partie en cours", "&Scores of current deal"},
    {"menuDeductions", "&Déductions", "&Deductions"},
    {"menuPreviousTrick", "&Le pli précédent", "&Previous trick"},
    {"menuLevel", "&Niveau", "&Level"},
    {"menuDebutant", "&Débutant", "&Beginner"},
    {"menuAmateur", "&Amateur", "&Medium"},
    {"menuBon", "&Bon", "&Advanced"},
    {"menuPro", "&Pro", "&Pro"},
    {"menuOptionNiveauAdaptatif", "Adap&tatif", "A&daptive"},
    {"menuForce", "&Force de votre main", "&Strength of Your Hand"},
    {"menuForceNormale", "&Normale (aléatoire)", "&Normal (random)"},
    {"menuForcePrise", "&Prise", "&Take"},
    {"menuForceGarde", "&Garde", "&Guard"},
    {"menuForceGardeSans", "Garde &Sans", "Guard &Without"},
    {"menuForceGardeContre", "Garde &Contre", "Guard &Against"},
    {"menuForceDefense", "&Défense (faible)", "&Defence (weak)"},
    {"menuAtLeast", "&Au moins une main quelconque de PRISE\u00a0!", "At &least a hand TAKING!"},
    {"menuVitesses", "Vitesse&s", "S&peeds"},
    {"menuJeuDeLaCarte", "&Jeu de la carte", "&Card throw"},
    {"menuInstantane", "&Instantané", "&Very quick"},
    {"menuRapide", "&Rapide", "&Quick"},
    {"menuNormal", "&Normal", "&Normal"},
    {"menuLent", "&Lent", "&Slow"},
    {"menuEscargot", "&Escargot", "Very s&low"},
    {"menuAttenteEntreChaquePli", "&Attente entre chaque pli", "&Time between tricks"},
    {"menuCinqSecondes", "&Cinq secondes", "&Five seconds"},
    {"menuDeuxSecondes", "&Deux secondes", "&Two seconds"},
    {"menuUneSeconde", "&Une seconde", "&One second"},
    {"menuClickObligatoire", "Clic &obligatoire", "&Mandatory click"},
    {"menuOptions", "&Options", "&Options"},
    {"menuCouleurFondEcran", "&Couleur du fond d'écran", "&Background color"},
    {"menuProposerPoignee", "&Proposer l'annonce des Poignées",
     "&Automatic announcement of Poignées"},
    {"menuCouleurTableRonde", "Couleur de la &table de jeu", "&Color of the table"},
    {"menuBarreOutils", "&Barre d'outils", "&Toolbar"},
    {"menuBarreInfo", "B&arre d'information", "&Infobar"},
    {"menuAide", "&Aide", "&Help"},
    {"menuSommaire", "&Sommaire", "&Contents"},
    {"menuApropos", "À &propos", "&About"},
};

const Attendu bullesBarreOutils[] = {
    {"SBNewGame", "Nouvelle partie", "New deal"},
    {"SBGameAgain", "Redémarrer la partie", "Restart the deal"},
    {"SBVoirScoresGlobaux", "Scores globaux", "Global scores"},
    {"SBVoirDeductions", "Déductions", "Deductions"},
    {"SBAide", "Aide de Quarvel", "Quarvel Help"},
};

const Attendu textesBoutonsTable[] = {
    {"PanelInfoDeductions", "Déductions", "Deductions"},
    {"PanelLancement", "Cliquez ici pour commencer à jouer\u00a0!", "Click here to start playing!"},
    {"PanelPoigneeSimple", "Poignée SIMPLE", "SINGLE POIGNÉE"},
    {"PanelPoigneeDouble", "Poignée DOUBLE", "DOUBLE POIGNÉE"},
    {"PanelPoigneeTriple", "Poignée TRIPLE", "TRIPLE POIGNÉE"},
    {"PanelPoigneeAucune", "Aucune", "NO ONE!"},
    {"PanelConfirmeEcart", "Accepter cet écart", "Confirm discard"},
    {"PanelPanelNewPartie", "NOUVELLE DONNE", "NEW DEAL"},
    {"panelRejouerDonne", "REJOUER LA DONNE", "SAME DEAL"},
    {"PanelVoirMains", "VOIR LES MAINS", "SEE HANDS"},
    {"PanelScoreDetaille", "SCORES", "SCORES"},
    {"PanelVoirPlis", "VOIR LES 18 PLIS", "SEE TRICKS"},
};

const Attendu bullesFiguresEtDeductions[] = {
    {"nBoutsPreneur", "Nombre de bouts du Preneur", "Oudlers number of Taker"},
    {"PanelAtExt", "Nombre d'atouts restant dehors", "Trumps number outside your hand"},
    {"CompteCouleur1", "Nombre de piques restant dehors", "Number of Spades outside"},
    {"CompteCouleur4", "Nombre de carreaux restant dehors", "Number of Diamonds outside"},
};

} // namespace

class Langues : public ::testing::TestWithParam<int> {};

TEST_P(Langues, MenusBullesBoutonsEtNoms) {
    const int langue = GetParam();
    const bool fr = langue == FRANCAIS;
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer({}, langue);
    auto noms = parNom(jeu.fen.frmQuarvel);
    for (const Attendu& a : textesMenus) {
        ASSERT_TRUE(noms.count(a.nom)) << a.nom;
        EXPECT_EQ(noms[a.nom]->caption, fr ? a.fr : a.en) << a.nom;
    }
    for (const Attendu& a : bullesBarreOutils)
        EXPECT_EQ(noms[a.nom]->hint, fr ? a.fr : a.en) << a.nom;
    for (const Attendu& a : textesBoutonsTable)
        EXPECT_EQ(noms[a.nom]->caption, fr ? a.fr : a.en) << a.nom;
    for (const Attendu& a : bullesFiguresEtDeductions)
        EXPECT_EQ(noms[a.nom]->hint, fr ? a.fr : a.en) << a.nom;
    EXPECT_EQ(noms["menuQuarvel"]->caption, "&Quarvel");

    const Textes& t = jeu.textes;
    EXPECT_EQ(t.nomsEncheres[0], fr ? "PASSE" : "PASS");
    EXPECT_EQ(t.nomsEncheres[4], fr ? "GARDE CONTRE" : "GUARD AGAINST");
    EXPECT_EQ(t.nomsJoueurs[4], fr ? "OUEST" : "WEST");
    EXPECT_EQ(t.nomsNiveaux[1], fr ? "Débutant" : "Beginner");
    EXPECT_EQ(t.nomsNiveaux[4], "Pro");
    EXPECT_EQ(t.motConseil, fr ? "Conseil" : "Advice");
    EXPECT_EQ(jeu.fen.frmQuarvel.ButtonGardeSans.caption, fr ? "GARDE SANS" : "GUARD WITHOUT");
    // The advice is a button that bids: its hint says so.
    EXPECT_EQ(jeu.fen.frmQuarvel.evMaMain.hint,
              fr ? "Cliquez pour annoncer ce conseil" : "Click to bid this advice");
    EXPECT_EQ(t.fichierAide, fr ? "/opt/quarvel/quarvelfr.html" : "/opt/quarvel/quarvelus.html");

    // Secondary windows.
    const Fenetres& w = jeu.fen;
    EXPECT_EQ(w.frmScoreDetaille.panelDefNbBouts.caption,
              fr ? "Nombre de BOUTS" : "Oudlers number");
    EXPECT_EQ(w.frmPoignee.fenetre.caption,
              fr ? "Sélectionnez les cartes à mettre dans la Poignée\u00a0!"
                 : "Choose cards to create your Poignée!");
    EXPECT_EQ(w.frmPoignee.PanelOkPoignee.caption, "OK");
    EXPECT_EQ(w.frmTousPlis.buttonImprimerPlis.caption, fr ? "IMPRIMER" : "PRINT");
    EXPECT_EQ(w.frmMains.PanelEcart.caption, fr ? "L'ÉCART" : "THE DISCARD");
    EXPECT_EQ(w.frmPliPrecedent.fenetre.caption,
              fr ? "Voici le pli précédent..." : "Here is the previous trick...");
}

INSTANTIATE_TEST_SUITE_P(FrancaisAnglais, Langues, ::testing::Values(FRANCAIS, ANGLAIS));

TEST(Langue, AvantLeChoixSeulsLesTextesSansLangue) {
    PartieTest p{sansDemarrer};
    Jeu& jeu = p.demarrer();
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    EXPECT_EQ(f.menuQuarvel.caption, "&Quarvel");
    EXPECT_EQ(f.fenetre.caption, "QUARVEL 99.2");
    EXPECT_EQ(f.ButtonPasse.caption, "");
    EXPECT_EQ(f.ButtonGardeContre.caption, "");
    EXPECT_EQ(f.menuNewGame.caption, "");
    EXPECT_EQ(f.PanelLancement.caption, "");
    EXPECT_EQ(f.SBAide.hint, "");
    EXPECT_EQ(jeu.textes.nomsJoueurs[1], "");
    EXPECT_EQ(jeu.textes.fichierAide, "");
    EXPECT_EQ(jeu.fen.frmSplash.PanelStartFrench.caption, "Version française");
    EXPECT_EQ(jeu.fen.frmSplash.PanelStartEnglish.caption, "English version");
    // No message before the choice either, and no help file to open.
    jeu.donne.numeroPli = 4;
    changerNiveau(jeu, 1);
    ouvrirAide(jeu);
    EXPECT_TRUE(p.plateforme.messages.empty());
    EXPECT_TRUE(p.plateforme.aides.empty());
}
