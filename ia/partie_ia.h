#pragma once
// The part of a game the computer players work on: what they know of the cards, and their rule
// engine, over the bidding's part.
#include "encheres/partie_encheres.h"
#include "ia/connaissance.h"
#include "ia/moteur.h"

namespace quarvel {

struct PartieIA : PartieEncheres {
    Connaissance connaissance;
    MoteurRegles moteur;

    bool operator==(const PartieIA&) const = default;
};

} // namespace quarvel
