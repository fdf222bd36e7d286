#pragma once
// What each seat knows of the cards during play.
#include "cartes/donne.h"

namespace quarvel {

struct Connaissance {
    bool petitDansPli = false;
    int derniereEntamePreneur = 0; // kept from deal to deal
};

} // namespace quarvel
