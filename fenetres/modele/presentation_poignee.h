#pragma once
// The handful dialog as the windows show it: drawn when it opens, its chosen cards raised while
// it lasts, the hand given back when it closes.
#include "cartes/donne.h"

namespace quarvel {

struct Jeu;

// After an event, from the phase the deal stood in before it.
void montrerPoignee(Jeu& jeu, Phase avant);
// The Excuse clicked when the kind does not need it.
void refuserExcusePoignee(Jeu& jeu);

} // namespace quarvel
