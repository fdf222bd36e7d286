#pragma once
// The option commands of the menus and the tool bar, and their one way to the windows.
#include "fenetres/modele/gestes.h"

namespace quarvel {

struct Jeu;

// Settings -> check marks, optional panels, colours and the two pacing timers.
void appliquerOptions(Jeu& jeu);
// Refused, with a message, while a deal is being played (tricks 1..18).
void changerNiveau(Jeu& jeu, int niveau);
void basculerDeductions(Jeu& jeu);
void choisirCouleurFondEcran(Jeu& jeu);
void choisirCouleurTableRonde(Jeu& jeu);
// Writes the settings, the random state the next deal is drawn from with them.
void enregistrerReglages(Jeu& jeu);
// The same random state alone, as soon as a deal is dealt: a run that ends without a word (the
// power cut, the program killed) never leaves the next one to deal that deal again.
void enregistrerGraine(Jeu& jeu);
// Saves, then leaves.
void quitter(Jeu& jeu);
void afficherAPropos(Jeu& jeu);
void ouvrirAide(Jeu& jeu);

// Handles the option commands, the help, About, Quit and the language choice; false for any
// other event.
bool traiterCommandeOption(Jeu& jeu, Evenement e);

} // namespace quarvel
