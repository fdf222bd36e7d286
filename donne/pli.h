#pragma once
// The rules of one trick, on the deal record alone.
#include "cartes/donne.h"

namespace quarvel {

void calculerJouables(Donne& d, int siege);
void poserCarteDansPli(Donne& d, int siege, int slot);
// Winner, trick count, points, bouts, the Excuse, the dog at the last trick, points needed.
void compterFinDePli(Donne& d);

} // namespace quarvel
