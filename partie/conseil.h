#pragma once
// What a Pro player would do in SUD's place, worked out on a copy: asking changes nothing in the
// game, not its random source, its knowledge, the rules' weights nor the rules fired.
#include "cartes/tableau.h"

namespace quarvel {

struct Partie;

// The hand slot (1..18) the computer would play for SUD at level Pro, or the Expert's search
// when the advice is by simulation; 0 when SUD is not to play.
int conseilCarte(const Partie& jeu);
// During SUD's discard, the positions of the row of 24 the computer would set aside (true);
// all false otherwise.
Tableau<bool, 24> conseilEcart(const Partie& jeu);

} // namespace quarvel
