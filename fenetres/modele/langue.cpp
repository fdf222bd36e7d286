#include "fenetres/modele/langue.h"

#include "fenetres/modele/jeu.h"

namespace quarvel {

namespace {

struct Texte {
    std::string Composant::*champ;
    Composant* c;
    const char* fr;
    const char* en;
};

constexpr auto CAPTION = &Composant::caption;
constexpr auto HINT = &Composant::hint;

void ecrire(const Textes& t, std::initializer_list<Texte> liste) {
    for (const Texte& x : liste) x.c->*x.champ = texte(t, x.fr, x.en);
}

// Hints of the current-deal figures and of the deductions panel.
void bullesFiguresEtDeductions(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    ecrire(jeu.textes,
           {
               {HINT, &f.PanelPreneur, "Position du Preneur", "Position of the Taker"},
               {HINT, &f.PanelEnchere, "Enchère du Preneur", "Bid of the Taker"},
               {HINT, &f.nPointsAttaque, "Points du Preneur", "Taker score"},
               {HINT, &f.nBoutsPreneur, "Nombre de bouts du Preneur", "Oudlers number of Taker"},
               {HINT, &f.nContrat, "Contrat à réaliser (nombre de points)",
                "Contract (number of points to get)"},
               {HINT, &f.nBoutsDefense, "Nombre de bouts en Défense", "Oudlers number of Defence"},
               {HINT, &f.nPointsDefense, "Points de la Défense", "Defence score"},
               {CAPTION, &f.LibellesChiffres[1], "Points du preneur", "Taker's points"},
               {CAPTION, &f.LibellesChiffres[2], "Bouts du preneur", "Taker's oudlers"},
               {CAPTION, &f.LibellesChiffres[3], "Points à faire", "Points needed"},
               {CAPTION, &f.LibellesChiffres[4], "Bouts en défense", "Defence oudlers"},
               {CAPTION, &f.LibellesChiffres[5], "Points en défense", "Defence points"},
               {HINT, &f.PanelAtoutMax, "Atout maximal pas encore joué", "Maximal Trump"},
               {HINT, &f.PanelAtExt, "Nombre d'atouts restant dehors",
                "Trumps number outside your hand"},
               {HINT, &f.ComptesCouleurs[PIQUE], "Nombre de piques restant dehors",
                "Number of Spades outside"},
               {HINT, &f.ComptesCouleurs[COEUR], "Nombre de coeurs restant dehors",
                "Number of Hearts outside"},
               {HINT, &f.ComptesCouleurs[TREFLE], "Nombre de trèfles restant dehors",
                "Number of Clubs outside"},
               {HINT, &f.ComptesCouleurs[CARREAU], "Nombre de carreaux restant dehors",
                "Number of Diamonds outside"},
           });
}

// Captions of the handful dialog and of the review windows.
void textesDialoguesEtRevues(Jeu& jeu) {
    Fenetres& w = jeu.fen;
    TfrmScoreDetaille& s = w.frmScoreDetaille;
    ecrire(
        jeu.textes,
        {
            {CAPTION, &w.frmPoignee.fenetre,
             "Sélectionnez les cartes à mettre dans la Poignée\u00a0!",
             "Choose cards to create your Poignée!"},
            {CAPTION, &w.frmPoignee.PanelBoutonParesseux, "Bouton paresseux...", "Lazy button..."},
            {CAPTION, &w.frmPoignee.PanelAnnulerPoignee, "Annuler la Poignée\u00a0!",
             "Cancel the Poignée!"},
            {CAPTION, &w.frmPliPrecedent.fenetre, "Voici le pli précédent...",
             "Here is the previous trick..."},
            {CAPTION, &w.frmTousPlis.fenetre, "Voici les 18 plis de la partie\u00a0!",
             "Here are the 18 tricks of the deal!"},
            {CAPTION, &w.frmTousPlis.buttonImprimerPlis, "IMPRIMER", "PRINT"},
            {HINT, &w.frmTousPlis.PanelEffacer, "Vider la table", "Clear the table"},
            {HINT, &w.frmTousPlis.panelEnArriere, "Reprendre la dernière carte",
             "Take the last card back"},
            {HINT, &w.frmTousPlis.PanelPasApas, "Poser la carte suivante", "Play the next card"},
            {HINT, &w.frmTousPlis.panelLecture, "Rejouer les plis / pause",
             "Replay the tricks / pause"},
            {HINT, &w.frmTousPlis.PanelVoirTout, "Montrer les 18 plis", "Show all 18 tricks"},
            {HINT, &w.frmTousPlis.SBColor, "Couleur du fond de cette fenêtre",
             "Background colour of this window"},
            {HINT, &w.frmMains.SBColor, "Couleur du fond de cette fenêtre",
             "Background colour of this window"},
            {HINT, &w.frmScoreDetaille.SBColor, "Couleur du fond de cette fenêtre",
             "Background colour of this window"},
            {CAPTION, &w.frmMains.fenetre, "Les 4 mains et le chien...",
             "The 4 hands and the dog..."},
            {CAPTION, &w.frmMains.PanelChien, "LE CHIEN", "THE DOG"},
            {CAPTION, &w.frmMains.PanelEcart, "L'ÉCART", "THE DISCARD"},
            {CAPTION, &w.frmMains.buttonImprimerMains, "IMPRIMER", "PRINT"},
            {CAPTION, &s.fenetre, "Score détaillé de la partie", "Score of this deal"},
            {CAPTION, &s.panelPreneur, "PRENEUR", "TAKER"},
            {CAPTION, &s.panelPoints, "Points réalisés", "Points"},
            {CAPTION, &s.panelDefContrat, "CONTRAT", "CONTRACT"},
            {CAPTION, &s.panelDefPrimePetit, "Prime du Petit au bout",
             "Bonus: Petit in the last trick"},
            {CAPTION, &s.panelDefNbBouts, "Nombre de BOUTS", "Oudlers number"},
            {CAPTION, &s.panelDefPrimePoignee, "Prime de Poignée", "Poignée bonus"},
            {CAPTION, &s.buttonImprimer, "IMPRIMER", "PRINT"},
        });
}

void tablesDeNoms(Textes& t) {
    static const char* const joueurs[2][4] = {{"SUD", "EST", "NORD", "OUEST"},
                                              {"SOUTH", "EAST", "NORTH", "WEST"}};
    static const char* const encheres[2][5] = {
        {"PASSE", "PRISE", "GARDE", "GARDE SANS", "GARDE CONTRE"},
        {"PASS", "TAKE", "GUARD", "GUARD WITHOUT", "GUARD AGAINST"}};
    static const char* const niveaux[2][5] = {{"Débutant", "Amateur", "Bon", "Pro", "Expert"},
                                              {"Beginner", "Medium", "Advanced", "Pro", "Expert"}};
    const int l = t.langue == FRANCAIS ? 0 : 1;
    for (int k = 1; k <= 4; ++k) t.nomsJoueurs[k] = joueurs[l][k - 1];
    for (int k = 0; k <= 4; ++k) t.nomsEncheres[k] = encheres[l][k];
    for (int k = 1; k <= 5; ++k) t.nomsNiveaux[k] = niveaux[l][k - 1];
    t.motConseil = l == 0 ? "Conseil" : "Advice";
}

// Captions of the menus.
void textesMenus(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    ecrire(
        jeu.textes,
        {
            {CAPTION, &f.menuNewGame, "&Nouvelle partie", "&New deal"},
            {CAPTION, &f.menuGameAgain, "&Redémarrer la partie", "&Restart the deal"},
            {CAPTION, &f.menuChoisirDonne, "&Choisir une donne…", "&Choose a deal…"},
            {CAPTION, &f.menuChallenge, "Nouveau challen&ge", "New challen&ge"},
            {CAPTION, &f.menuMeilleursScores, "&Meilleurs scores…", "&High scores…"},
            {CAPTION, &f.menuStatistiques, "&Statistiques…", "&Statistics…"},
            {CAPTION, &f.menuInitScores, "&Initialiser les scores", "R&eset scores"},
            {CAPTION, &f.menuConseilJeu, "Conseil de &jeu", "Play &advice"},
            {CAPTION, &f.menuReprendre, "Re&prendre la carte", "&Take back card"},
            {CAPTION, &f.menuVoirConseilJeu, "Le conseil de &jeu à chaque tour",
             "&Play advice at each turn"},
            {CAPTION, &f.menuAnimation, "Les cartes en &mouvement", "Card &motion"},
            {CAPTION, &f.menuQuit, "Q&uitter", "Q&uit"},
            {CAPTION, &f.menuVoir, "&Voir/Cacher", "Sho&w/Hide"},
            {CAPTION, &f.menuScoresGlobaux, "Les &Scores globaux", "&Global scores"},
            {CAPTION, &f.menuConseilEnch, "Le &Conseil d'enchère", "Bid &Advice"},
            {CAPTION, &f.menuPointsPartieEnCours, "Les &Points de la partie en cours",
             "&Scores of current deal"},
            {CAPTION, &f.menuDeductions, "&Déductions", "&Deductions"},
            {CAPTION, &f.menuPreviousTrick, "&Le pli précédent", "&Previous trick"},
            {CAPTION, &f.menuLevel, "&Niveau", "&Level"},
            {CAPTION, &f.menuDebutant, "&Débutant", "&Beginner"},
            {CAPTION, &f.menuAmateur, "&Amateur", "&Medium"},
            {CAPTION, &f.menuBon, "&Bon", "&Advanced"},
            {CAPTION, &f.menuPro, "&Pro", "&Pro"},
            {CAPTION, &f.menuExpert, "&Expert", "&Expert"},
            {CAPTION, &f.menuOptionNiveauAdaptatif, "Adap&tatif", "A&daptive"},
            {CAPTION, &f.menuForce, "&Force de votre main", "&Strength of Your Hand"},
            {CAPTION, &f.menuForceNormale, "&Normale (aléatoire)", "&Normal (random)"},
            {CAPTION, &f.menuForcePrise, "&Prise", "&Take"},
            {CAPTION, &f.menuForceGarde, "&Garde", "&Guard"},
            {CAPTION, &f.menuForceGardeSans, "Garde &Sans", "Guard &Without"},
            {CAPTION, &f.menuForceGardeContre, "Garde &Contre", "Guard &Against"},
            {CAPTION, &f.menuForceDefense, "&Défense (faible)", "&Defence (weak)"},
            {CAPTION, &f.menuAtLeast, "&Au moins une main quelconque de PRISE\u00a0!",
             "At &least a hand TAKING!"},
            {CAPTION, &f.menuVitesses, "Vitesse&s", "S&peeds"},
            {CAPTION, &f.menuJeuDeLaCarte, "&Jeu de la carte", "&Card throw"},
            {CAPTION, &f.menuInstantane, "&Instantané", "&Very quick"},
            {CAPTION, &f.menuRapide, "&Rapide", "&Quick"},
            {CAPTION, &f.menuNormal, "&Normal", "&Normal"},
            {CAPTION, &f.menuLent, "&Lent", "&Slow"},
            {CAPTION, &f.menuEscargot, "&Escargot", "Very s&low"},
            {CAPTION, &f.menuAttenteEntreChaquePli, "&Attente entre chaque pli",
             "&Time between tricks"},
            {CAPTION, &f.menuCinqSecondes, "&Cinq secondes", "&Five seconds"},
            {CAPTION, &f.menuDeuxSecondes, "&Deux secondes", "&Two seconds"},
            {CAPTION, &f.menuUneSeconde, "&Une seconde", "&One second"},
            {CAPTION, &f.menuClickObligatoire, "Clic &obligatoire", "&Mandatory click"},
            {CAPTION, &f.menuOptions, "&Options", "&Options"},
            {CAPTION, &f.menuCouleurFondEcran, "&Couleur du fond d'écran", "&Background color"},
            {CAPTION, &f.menuNbDonnesChallenge, "&Nombre de donnes d'un challenge",
             "&Deals in a challenge"},
            {CAPTION, &f.menuChallenge6, "&6 donnes", "&6 deals"},
            {CAPTION, &f.menuChallenge12, "&12 donnes", "&12 deals"},
            {CAPTION, &f.menuChallenge18, "1&8 donnes", "1&8 deals"},
            {CAPTION, &f.menuChallenge24, "&24 donnes", "&24 deals"},
            {CAPTION, &f.menuProposerPoignee, "&Proposer l'annonce des Poignées",
             "&Automatic announcement of Poignées"},
            {CAPTION, &f.menuConseilSimulation, "Conseil par &simulation", "Advice by &simulation"},
            {CAPTION, &f.menuCouleurTableRonde, "Couleur de la &table de jeu",
             "&Color of the table"},
            {CAPTION, &f.menuBarreOutils, "&Barre d'outils", "&Toolbar"},
            {CAPTION, &f.menuBarreInfo, "B&arre d'information", "&Infobar"},
            {CAPTION, &f.menuAide, "&Aide", "&Help"},
            {CAPTION, &f.menuSommaire, "&Sommaire", "&Contents"},
            {CAPTION, &f.menuApropos, "À &propos", "&About"},
        });
}

// Hints of the tool bar.
void bullesBarreOutils(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    ecrire(jeu.textes,
           {
               {HINT, &f.SBNewGame, "Nouvelle partie", "New deal"},
               {HINT, &f.SBGameAgain, "Redémarrer la partie", "Restart the deal"},
               {HINT, &f.SBChallenge, "Nouveau challenge (Ctrl+N)", "New challenge (Ctrl+N)"},
               {HINT, &f.SBReprendre, "Reprendre la carte (Ctrl+Z)", "Take back card (Ctrl+Z)"},
               {HINT, &f.SBConseilJeu,
                "Conseil de jeu\u00a0: la carte ou l'écart d'un joueur Pro (Ctrl+H)",
                "Play advice: the card or discard a Pro would choose (Ctrl+H)"},
               {HINT, &f.SBVoirScoresGlobaux, "Scores globaux", "Global scores"},
               {HINT, &f.SBVoirDeductions, "Déductions", "Deductions"},
               {HINT, &f.SBAide, "Aide de Quarvel", "Quarvel Help"},
           });
}

// Captions of the buttons and panels of the table; the advice's hint says a click bids it.
void textesBoutonsTable(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    ecrire(jeu.textes,
           {
               {CAPTION, &f.PanelInfoDeductions, "Déductions", "Deductions"},
               {CAPTION, &f.PanelLancement, "Cliquez ici pour commencer à jouer\u00a0!",
                "Click here to start playing!"},
               {CAPTION, &f.PanelPoigneeSimple, "Poignée SIMPLE", "SINGLE POIGNÉE"},
               {CAPTION, &f.PanelPoigneeDouble, "Poignée DOUBLE", "DOUBLE POIGNÉE"},
               {CAPTION, &f.PanelPoigneeTriple, "Poignée TRIPLE", "TRIPLE POIGNÉE"},
               {CAPTION, &f.PanelPoigneeAucune, "Aucune", "NO ONE!"},
               {CAPTION, &f.PanelConfirmeEcart, "Accepter cet écart", "Confirm discard"},
               {HINT, &f.evMaMain, "Cliquez pour annoncer ce conseil", "Click to bid this advice"},
               {CAPTION, &f.PanelPanelNewPartie, "NOUVELLE DONNE", "NEW DEAL"},
               {CAPTION, &f.panelRejouerDonne, "REJOUER LA DONNE", "SAME DEAL"},
               {CAPTION, &f.PanelVoirMains, "VOIR LES MAINS", "SEE HANDS"},
               {CAPTION, &f.PanelScoreDetaille, "SCORES", "SCORES"},
               {CAPTION, &f.PanelVoirPlis, "VOIR LES 18 PLIS", "SEE TRICKS"},
           });
}

} // namespace

void appliquerLangue(Jeu& jeu) {
    TfrmQuarvel& f = jeu.fen.frmQuarvel;
    Textes& t = jeu.textes;
    f.menuQuarvel.caption = "&Quarvel";
    f.fenetre.caption = PRODUIT;
    if (t.langue == FRANCAIS || t.langue == ANGLAIS) {
        t.fichierAide =
            t.dossierProgramme + (t.langue == FRANCAIS ? "/quarvelfr.html" : "/quarvelus.html");
        bullesFiguresEtDeductions(jeu);
        textesDialoguesEtRevues(jeu);
        tablesDeNoms(t);
        textesMenus(jeu);
        bullesBarreOutils(jeu);
        textesBoutonsTable(jeu);
    }
    Composant* boutons[] = {&f.ButtonPasse, &f.ButtonPrise, &f.ButtonGarde, &f.ButtonGardeSans,
                            &f.ButtonGardeContre};
    for (int k = 0; k <= 4; ++k) boutons[k]->caption = t.nomsEncheres[k];
}

} // namespace quarvel
