#pragma once
// Routines of the other parts of the program that the deal flow calls; each declaration goes
// once its own header is in.
#include "cartes/donne.h"
#include "fenetres/modele/evenements.h"

namespace quarvel {

struct Jeu;

// cartes/generation.h
void produireDonne(Jeu& jeu, bool rejouer);
// donne/pli.h
void calculerJouables(Donne& d, int s);
void poserCarteDansPli(Donne& d, int s, int slot);
int compterFinDePli(Donne& d);
// scores/deductions.h
void effacerDeductions(Jeu& jeu);
// scores/fin_donne.h
void finDeDonne(Jeu& jeu);
// scores/scores_globaux.h
void basculerScores(Jeu& jeu);
// fenetres/modele/revue.h
bool traiterEvenementRevue(Jeu& jeu, Evenement e);
// reglages/options.h
bool traiterCommandeOption(Jeu& jeu, Evenement e);

} // namespace quarvel
