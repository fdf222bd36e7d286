#pragma once
// Help at the table: the play advice, taking SUD's last card back, and the keyboard.
#include "fenetres/modele/gestes.h"

namespace quarvel {

struct Jeu;

// SUD's card played from hand image i, kept as a point to come back to.
void jouerCarteMain(Jeu& jeu, int i);
// SUD's card or discard as a Pro would choose it, outlined; nothing changes in the game.
void demanderConseil(Jeu& jeu);
bool conseilOffert(const Jeu& jeu);
// The game as it was just before SUD's last card, the options set since kept.
void reprendreCarte(Jeu& jeu);
bool repriseOfferte(const Jeu& jeu);

// The arrows: the focus moves to the next (+1) or previous (-1) target, wrapping round.
void deplacerFocus(Jeu& jeu, int sens);
// The gesture Enter would make: the focused target, if the focus is on show.
bool gesteFocus(const Jeu& jeu, Evenement& geste);

// After each event: the advice marks, the keyboard focus, what the two commands allow.
void montrerAideTable(Jeu& jeu);

} // namespace quarvel
