#pragma once
// The windows as plain data, one field per control, named as the controls of the program.
#include "fenetres/modele/composant.h"

#include <vector>

namespace quarvel {

struct TfrmSplash {
    Composant fenetre; // the window itself: caption = title, geo, visible
    Composant FrameSplash, ImgLogo, lblCompanyProduct;
    Composant PanelStartFrench, PanelStartEnglish;
};

// A card gliding from one place of the table to another. When it ends on a control (a table card,
// a card of the hand row), that control shows only once the card has arrived.
struct Mouvement {
    enum class Cible { Aucune, CarteTable, Carte3D };
    Carte carte;
    Rect depart, arrivee;
    Cible cible = Cible::Aucune;
    int index = 0; // the seat of a table card, the place in the hand row
    bool operator==(const Mouvement&) const = default;
};

struct TfrmQuarvel {
    Composant fenetre;

    // The table
    Composant TableRonde;
    Tableau<Composant, 4> CarteTable;   // by seat
    Tableau<Composant, 4> CadrePreneur; // by seat
    Tableau<Composant, 4> NomSiege;     // by seat, beside its place on the table
    Composant CadreGagnant;             // round the card that wins a complete trick
    Tableau<Composant, 24> Carte3D;     // the human's hand, 24 during the discard
    Tableau<Composant, 6> CarteChien;
    Tableau<Composant, 4> PanelDec;        // bid bubbles, by seat
    Tableau<Composant, 4> panelScoreTotal; // running scores, by seat

    // Bidding
    Composant BarreEnchere;
    Composant ButtonPasse, ButtonPrise, ButtonGarde, ButtonGardeSans, ButtonGardeContre;
    Composant evMaMain;

    // Handful offer
    Composant PanelPoignee;
    Composant PanelPoigneeSimple, PanelPoigneeDouble, PanelPoigneeTriple, PanelPoigneeAucune;

    Composant PanelConfirmeEcart;
    Composant PanelLancement;

    // End of deal
    Composant PanelResultat, PanelTexteResultat;
    Composant PanelVoirMains, PanelVoirPlis, PanelScoreDetaille, panelRejouerDonne,
        PanelPanelNewPartie;

    // Current-deal figures
    Composant PanneauScores;
    Composant nPointsAttaque, nBoutsPreneur, nContrat, nBoutsDefense, nPointsDefense;
    Tableau<Composant, 5> LibellesChiffres; // what each of those figures is, beside it
    Composant PanelPreneur, PanelEnchere;
    Composant PanelNumeroDonne; // "Donne n° …": the number a deal can be dealt again from
    Composant PanelChallenge;   // the series in progress: deal number and SUD's total

    // Deductions
    Composant PanelDeductions, PanelInfoDeductions;
    Composant PanelAtoutMax, Panel21, PanelPetit, PanelExcuse, PanelAtExt;
    Tableau<Composant, 4> ImagesCouleurs; // ImagePique, ImageCoeur, ImageTrefle, ImageCarreau
    Tableau<Tableau<Composant, 4>, 4>
        MarqueursHonneurs;                 // [suit][1 Roi, 2 Dame, 3 Cavalier, 4 Valet]
    Tableau<Composant, 4> ComptesCouleurs; // cards of each suit still out

    // Tool bar and information bar
    Composant PanelBarreOutils;
    Composant SBNewGame, SBGameAgain, SBChallenge, SBReprendre, SBConseilJeu, SBVoirDeductions,
        SBVoirScoresGlobaux, SBAide;
    Composant panelBarreInfo, info;

    Minuterie TimerEnchere, TimerEntreCarte, TimerTransition;

    // The cards that moved in the last event, for the view to glide them; none when motion is
    // off. Each new list has a new number, so that the view plays it once.
    std::vector<Mouvement> mouvements;
    int numeroMouvements = 0;
    int dureeMouvement = 0; // milliseconds; 0: cards jump

    // Menu
    ElementMenu menuQuarvel, menuNewGame, menuGameAgain, menuChoisirDonne, menuChallenge,
        menuMeilleursScores, menuStatistiques, menuConseilJeu, menuReprendre, menuInitScores;
    ElementMenu menuLevel, menuDebutant, menuAmateur, menuBon, menuPro, menuExpert,
        menuOptionNiveauAdaptatif;
    ElementMenu menuVitesses, menuJeuDeLaCarte, menuInstantane, menuRapide, menuNormal, menuLent,
        menuEscargot;
    ElementMenu menuAttenteEntreChaquePli, menuClickObligatoire, menuUneSeconde, menuDeuxSecondes,
        menuCinqSecondes;
    ElementMenu menuForce, menuForceNormale, menuForcePrise, menuForceGarde, menuForceGardeSans,
        menuForceGardeContre, menuForceDefense, menuAtLeast;
    ElementMenu menuVoir, menuScoresGlobaux, menuConseilEnch, menuPointsPartieEnCours,
        menuDeductions, menuVoirConseilJeu, menuAnimation, menuBarreOutils, menuBarreInfo;
    ElementMenu menuOptions, menuProposerPoignee, menuConseilSimulation, menuPreviousTrick,
        menuCouleurFondEcran, menuCouleurTableRonde;
    ElementMenu menuNbDonnesChallenge, menuChallenge6, menuChallenge12, menuChallenge18,
        menuChallenge24;
    ElementMenu menuAide, menuSommaire, menuApropos;
    ElementMenu menuQuit;
};

struct TfrmPoignee {
    Composant fenetre;
    Tableau<Composant, 18> CartePoignee;
    Composant PanelBoutonParesseux, PanelOkPoignee, PanelAnnulerPoignee;
};

struct TfrmPliPrecedent {
    Composant fenetre;
    Tableau<Composant, 4> cardPreviousTrick; // by seat
    Composant ButtonOkPreviousTrick;
};

struct TfrmMains {
    Composant fenetre;
    Tableau<Composant, 4> PanelsMains; // PanelMainSud, PanelMainEst, PanelMainNord, PanelMainOuest
    Tableau<Tableau<Composant, 18>, 4> ImagesMains;
    Tableau<Composant, 4> NomsMains; // each hand's seat, under its cards
    Composant PanelChienAvantEcart, PanelChienApresEcart;
    Tableau<Composant, 6> ImagesChien, ImagesEcart;
    Tableau<Composant, 6> Cadres;
    Tableau<int, 6> parentCadre; // 1..4 a hand panel, 5 the dog panel
    Composant PanelChien, PanelEcart;
    Composant buttonImprimerMains, PanelMainsOK, SBColor;
};

struct TfrmScoreDetaille {
    Composant fenetre;
    Composant cardinalPreneur, panelPreneur;
    Composant panelNbBouts, panelDefNbBouts;
    Composant panelPointsRealises, panelPoints;
    Composant panelMoins, panelContrat, panelDefContrat;
    Composant panelEgal1, panelAuDessusContrat;
    Composant panelSensPrimePetit, panelPrimePetit, panelEgal2, panelScoreApresPetit,
        panelDefPrimePetit;
    Composant panelSigneGain, panelConstContrat, panelEgal3, panelScoreTmp;
    Composant panelX, panelCoefficientEnchere, panelEgal4, panelScoreApresEnchere;
    Composant panelSensPoignee, panelValeurPoignee, panelEgal5, panelScoreApresPoignee,
        panelDefPrimePoignee;
    Composant panelX3, panelScoreFinalPreneur;
    Composant SBColor, buttonImprimer, panelFeuilleScore;
};

struct TfrmTousPlis {
    Composant fenetre;
    Tableau<Composant, 72> Images; // (trick - 1) * 4 + seat
    Tableau<Composant, 18> Cadres;
    Composant PanelEffacer, PanelPasApas, panelLecture, panelEnArriere, PanelVoirTout, PanelPlisOk;
    Composant buttonImprimerPlis, SBColor;
    Minuterie timerTousPlis;
    int etapeTousPlis = 73;
    Tableau<int, 72> ordreTousPlis;
};

// The three high-score tables of the challenge series: Amateur, Bon and Pro, four lines each.
struct TfrmMeilleursScores {
    Composant fenetre;
    Tableau<Composant, 3> titres;                   // the level group of each table
    Tableau<Tableau<Composant, 4>, 3> noms, points; // [table][rank]
    Composant panelDernier; // the series just played: its total, and its rank when it entered
    Composant buttonImprimer, PanelOk;
};

// SUD's record: a table (a heading row, then one row per figure; a heading column, one column
// per level, then all levels), his running score over the last deals as a line and his success
// as taker by contract as bars. The charts' data change with `numeroGraphiques`.
constexpr int LIGNES_STATISTIQUES = 13;
constexpr int COLONNES_STATISTIQUES = 7;
struct TfrmStatistiques {
    Composant fenetre;
    Tableau<Tableau<Composant, COLONNES_STATISTIQUES>, LIGNES_STATISTIQUES> cellules;
    Composant Courbe, Barres;  // the two charts: place, and title as caption
    std::vector<int> courbe;   // running score after each of the last deals, oldest first
    Tableau<int, 4> reussites; // by contract: per cent of the deals taken that were won, -1 none
    Tableau<std::string, 4> contrats; // the bars' names
    std::string axeDonnes, axePoints, axePourcents;
    int numeroGraphiques = 0;
    Composant buttonEffacer, buttonImprimer, PanelOk;
};

struct Fenetres {
    TfrmSplash frmSplash;
    TfrmQuarvel frmQuarvel;
    TfrmPoignee frmPoignee;
    TfrmPliPrecedent frmPliPrecedent;
    TfrmMains frmMains;
    TfrmScoreDetaille frmScoreDetaille;
    TfrmTousPlis frmTousPlis;
    TfrmMeilleursScores frmMeilleursScores;
    TfrmStatistiques frmStatistiques;
};

} // namespace quarvel
