#pragma once
// The taker's result for a deal.
#include "cartes/donne.h"

namespace quarvel {

// Half points to points, a half going to the even neighbour (91 gives 46, 81 gives 40).
int demiPointsVersPoints(int demiPoints);

// What the taker receives (negative: pays), already multiplied by the three defenders.
// 0 when the deal has no contract to score.
int scorePreneur(const Donne& d);

} // namespace quarvel
