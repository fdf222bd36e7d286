#pragma once
// Routines of the other parts of the program that the deal flow calls; each declaration goes
// once its own header is in.
#include "cartes/generation.h"
#include "donne/pli.h"
#include "fenetres/modele/evenements.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"
#include "scores/deductions.h"

namespace quarvel {

struct Jeu;

// scores/fin_donne.h
void finDeDonne(Jeu& jeu);
// scores/scores_globaux.h
void basculerScores(Jeu& jeu);
// fenetres/modele/revue.h
bool traiterEvenementRevue(Jeu& jeu, Evenement e);
// reglages/options.h
bool traiterCommandeOption(Jeu& jeu, Evenement e);

} // namespace quarvel
