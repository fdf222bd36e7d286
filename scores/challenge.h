#pragma once
// Challenge series, the high-score tables they enter, and SUD's statistics.
#include "cartes/donne.h"
#include "reglages/reglages.h"

#include <string>

namespace quarvel {

struct PartieScores;

struct Challenge {
    bool enCours = false;
    bool fini = false;    // the last deal is scored; its end waits to be shown
    bool termine = false; // over and shown: the table says so until the next deal
    int niveau = 0;       // the level it is played at, from its start
    int nbDonnes = 0;
    int donnesJouees = 0;
    int total = 0; // SUD's scores summed over the deals played
    bool operator==(const Challenge&) const = default;
};

constexpr int LONGUEUR_NOM_CHALLENGE = 20; // characters, whatever their script

// The high-score table of a level: 1 Amateur, 2 Bon, 3 Pro; 0 for Débutant, which is not ranked.
int tableChallenge(int niveau);
// A series length the option allows (6, 12, 18, 24), else the usual 12.
int longueurChallenge(int option);
// Starts a series at the level in force, on normal deals.
void commencerChallenge(PartieScores& jeu);
void abandonnerChallenge(PartieScores& jeu);
// The rank 1..4 a total takes in a table, after the equal totals already there; 0 when it
// does not enter.
int rangChallenge(const Reglages& r, int table, int total);
// Puts a total at its rank, the lines below it going down one and the last dropping out.
void inscrireChallenge(Reglages& r, int table, int rang, int total, const std::string& nom);
// A typed name as it enters a table: control characters dropped, spaces trimmed at both ends,
// at most 20 characters; `defaut` when nothing is left.
std::string nomChallenge(const std::string& tape, const std::string& defaut);
// The name offered when the player is asked for his.
std::string nomParDefaut(const Reglages& r);

// What the deal brought SUD: his taker's score, or his share of the defence's.
int scoreSud(const Donne& d);
// Counts a scored deal at a level 1..4 into SUD's record.
void compterStatistiques(Statistiques& s, int niveau, const Donne& d);
// All levels in one.
StatistiquesNiveau totalStatistiques(const Statistiques& s);

} // namespace quarvel
