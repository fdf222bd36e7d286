#pragma once
#include "cartes/carte.h"

namespace quarvel {

struct Partie;

// Puts the card of that slot on the table (the caller counts it).
void poserCarte(Partie& jeu, Siege siege, int slot);
// The fourth card is down: score the trick and wait for it to be gathered.
void finDePli(Partie& jeu);

} // namespace quarvel
