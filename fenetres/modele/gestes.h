#pragma once
// Every gesture a window can forward to the game: what the views send, what the handlers of the
// window model take. Below the dispatcher, which reads them all.
namespace quarvel {

enum class Evt {
    // Start-up screen
    StartFrench,
    StartEnglish,
    // Main window: go-on gestures
    ClicFond,     // the window's background
    ClicTable,    // mouse pressed on TableRonde
    ClicPanelDec, // index: seat 1..4
    ToucheEspace,
    // Main window: cards and buttons
    ClicCarte3D,    // index 1..24
    ClicCarteChien, // index 1..6
    ClicLancement,
    ClicEnchere, // index: contract code 0..4 (ButtonPasse..ButtonGardeContre)
    ClicConseil, // evMaMain
    ClicConfirmeEcart,
    ClicPoignee,       // index: 1 simple, 2 double, 3 triple, 0 none
    ClicNouvelleDonne, // PanelPanelNewPartie
    ClicRejouerDonne,  // panelRejouerDonne
    ClicVoirMains,
    ClicVoirPlis,
    ClicScoreDetaille,
    ClicScoreTotal, // index: seat 1..4
    // Commands: a menu item, and its tool-bar button where it has one
    MenuNewGame,
    MenuGameAgain,
    MenuInitScores,
    MenuNiveau, // index 1..4
    MenuNiveauAdaptatif,
    MenuVitesse, // index: optionVitesseJeuDeLaCarte 1..5
    MenuAttente, // index: optionAttenteEntreChaquePli 0..3
    MenuForce,   // index: optionForceMain 1..6
    MenuAtLeast,
    MenuScoresGlobaux,
    MenuConseilEnch,
    MenuPointsPartieEnCours,
    MenuDeductions,
    MenuBarreOutils,
    MenuBarreInfo,
    MenuProposerPoignee,
    MenuPreviousTrick,
    MenuCouleurFondEcran,
    MenuCouleurTableRonde,
    MenuSommaire,
    MenuApropos,
    MenuQuit,
    // Timers
    TickEnchere,
    TickEntreCarte,
    TickTransition,
    TickTousPlis,
    // Handful dialog
    ClicCartePoignee, // index 1..18
    ClicParesseux,
    ClicOkPoignee,
    ClicAnnulerPoignee,
    // Review windows
    OkPliPrecedent,
    TousPlisEffacer,
    TousPlisLecture, // play/pause
    TousPlisPas,     // one step
    TousPlisArriere,
    TousPlisVoirTout,
    TousPlisOk,
    TousPlisImprimer,
    TousPlisCouleur,
    MainsOk,
    MainsImprimer,
    MainsCouleur,
    ScoreOk,
    ScoreImprimer,
    ScoreCouleur,
    // Window closed by its close box (no save)
    FermerTable,
    MenuChoisirDonne,
    // Help at the table
    MenuConseilJeu,     // the play advice: SUD's card, or his discard
    MenuReprendre,      // takes SUD's last card back
    MenuVoirConseilJeu, // the advice shown by itself at each turn
    MenuAnimation,      // cards that move
    // Keys of the table window
    ToucheGauche,
    ToucheDroite,
    ToucheEntree,
    ToucheEchap,
    // Challenge series and statistics
    MenuNouveauChallenge,
    MenuNbDonnesChallenge, // index: 6, 12, 18 or 24 deals
    MenuMeilleursScores,
    MenuStatistiques,
    MeilleursScoresOk,
    MeilleursScoresImprimer,
    StatistiquesOk,
    StatistiquesImprimer,
    StatistiquesEffacer,   // asks Yes/No, then sets every figure back to zero
    MenuConseilSimulation, // the play advice found by the Expert's search, or Pro's rules
};

struct Evenement {
    bool operator==(const Evenement&) const = default;
    Evt type;
    int index = 0;
};

} // namespace quarvel
