#pragma once
// The part of a game the bidding, the dog, the discard and the handful work on: the deal and its
// random source, the settings, the pace, and their own state. Each layer above adds its part.
#include "cartes/aleatoire.h"
#include "cartes/donne.h"
#include "donne/minuterie.h"
#include "encheres/etats.h"
#include "reglages/reglages.h"

#include <cstdint>

namespace quarvel {

struct PartieEncheres {
    Aleatoire alea;
    Donne donne;
    Reglages reglages;

    EtatEncheres encheres;
    EtatEcart ecart;
    EtatPoignee poignee;

    Minuteries minuteries;
    std::int64_t maintenant = 0; // virtual time in ms, moved by whoever drives the timers

    bool operator==(const PartieEncheres&) const = default;
};

} // namespace quarvel
