#pragma once
// What each seat knows of the cards during play.
#include "cartes/donne.h"

namespace quarvel {

struct Connaissance {
    bool petitDansPli = false;
    int derniereEntamePreneur = 0; // kept from deal to deal
};

} // namespace quarvel

namespace quarvel {

struct Jeu;

// Builds the knowledge tables once the dog and the discard are settled.
void initialiserConnaissance(Jeu& jeu);
// Bookkeeping of a card about to be put down (the card is still in the hand).
void noterCarteJouee(Jeu& jeu, int siege, int slot);
// After a trick has been counted (numeroPli already moved on).
void noterFinDePli(Jeu& jeu);
// Blanks the deductions panel at a new deal.
void effacerDeductions(Jeu& jeu);

} // namespace quarvel
