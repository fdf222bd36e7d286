#pragma once
// The settings variables, named after their stored values.
#include "cartes/tableau.h"

#include <string>

namespace quarvel {

constexpr int NB_REGLES = 100;

// SUD's record at one level; contracts 1 Prise .. 4 Garde contre.
struct StatistiquesNiveau {
    int donnes = 0;
    Tableau<int, 4> prises;
    Tableau<int, 4> prisesGagnees;
    int defenses = 0;
    int defensesGagnees = 0;
    int points = 0;    // the sum of his deal scores
    int meilleure = 0; // best and worst deal score, once a deal is counted
    int pire = 0;
    int poignees = 0;
    int petitGagne = 0; // petit au bout won by his side, and lost
    int petitPerdu = 0;
    bool operator==(const StatistiquesNiveau&) const = default;
};

constexpr int NB_DERNIERES_DONNES = 100;

struct Statistiques {
    Tableau<StatistiquesNiveau, 5> niveaux;      // by playing level 1..5
    Tableau<int, NB_DERNIERES_DONNES> dernieres; // his scores on the last deals, oldest first
    int nbDernieres = 0;
    bool operator==(const Statistiques&) const = default;
};

struct Reglages {
    int version = 0;
    bool verif = false;
    int niveau = 0;
    int optionCouleurFondEcran = 0;
    int optionCouleurTableRonde = 0;
    int optionCouleurFondEcranPlis = 0;
    int optionCouleurFondEcranMains = 0;
    int optionCouleurFondEcranScores = 0;
    int optionForceMain = 0;
    int optionVitesseJeuDeLaCarte = 0;
    int optionAttenteEntreChaquePli = 0;
    bool optionVisibiliteConseilEnchere = false;
    bool optionVisibilitePointsPartieEnCours = false;
    bool optionVisibiliteDeductions = false;
    bool optionAuMoinsUneMainDePrise = false;
    bool optionProposePoignee = false;
    bool optionBarreOutils = false;
    bool optionBarreInfo = false;
    bool optionNiveauAdaptatif = false;
    // Deals in a challenge series: 6, 12, 18 or 24; the series takes any other value as 12.
    int optionNbDonnesChallenge = 0;
    // Carried from older versions: read, written and defaulted, used by nothing else.
    int optionRepartitionDonne = 0;
    // The challenge high-score tables 1..3 (Amateur, Bon, Pro), four totals and names each,
    // the best first.
    Tableau<Tableau<int, 4>, 3> highScoreChallenge;
    Tableau<Tableau<std::string, 4>, 3> nomHighScoreChallenge;
    Tableau<int, NB_REGLES> poidsRegles;
    Tableau<int, 4> scoresGlobaux; // by seat
    // The random state the next deal is drawn from, so that each run goes on where the last
    // one stopped; 0 when none was kept (the game then starts from its constant).
    int graineAleatoire = 0;
    bool optionVisibiliteConseilJeu = false; // the play advice shown by itself at each turn
    bool optionAnimationCartes = true;       // played, gathered and dog cards glide
    bool optionConseilSimulation = false;    // the play advice found by the Expert's search
    Statistiques statistiques;
    std::string nomChallenge; // the last name entered in a high-score table
    bool operator==(const Reglages&) const = default;
};

} // namespace quarvel
