#pragma once
#include "fenetres/modele/evenements.h"

namespace quarvel {

// The option commands of the menus; true when the event was one of them.
bool traiterCommandeOption(Jeu& jeu, Evenement e);

} // namespace quarvel
