#pragma once
#include "fenetres/modele/evenements.h"

namespace quarvel {

// The review windows, the result panel's review buttons and the score commands; true when the
// event was theirs.
bool traiterEvenementRevue(Jeu& jeu, Evenement e);

} // namespace quarvel
