#pragma once
// Challenge series at the table, their high-score window, and the statistics window.
//
// Both windows are modal, their close box forwarded as their OK gesture; their controls sit in
// the window. The charts of the statistics window are drawn by the view from `courbe` and
// `reussites`.
#include "fenetres/modele/controles.h"
#include "fenetres/modele/gestes.h"

namespace quarvel {

struct Jeu;

// Creates the two windows once, at start-up, with the review windows.
void creerFenetresChallenge(Jeu& jeu);

// Refuses, with a message, what a series in progress does not allow, and asks before what would
// drop it (leaving the program); true when refused.
bool refuserPendantChallenge(Jeu& jeu, Evenement e);
// The commands of series, high scores and statistics; false for any other event.
bool traiterChallenge(Jeu& jeu, Evenement e);
// A series whose last deal has just been scored: its total, the name for its table, the
// high-score window. Called after the event that ended it has been drawn.
void conclureChallenge(Jeu& jeu);
// The series panel of the table.
void montrerChallenge(Jeu& jeu);

void ouvrirMeilleursScores(Jeu& jeu);
void ouvrirStatistiques(Jeu& jeu);
void remplirStatistiques(Jeu& jeu);

std::vector<Controle> controles(TfrmMeilleursScores& f);
std::vector<Controle> controles(TfrmStatistiques& f);

} // namespace quarvel
