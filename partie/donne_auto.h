#pragma once
// A whole deal with no window and no human: every seat, SUD included, bids the contract its hand
// deserves and plays by the rule pass. For the arena and the benchmarks.
#include "cartes/carte.h"

#include <cstdint>

namespace quarvel {

struct Partie;

struct DonneAuto {
    Siege preneur = Siege::Aucun;
    Contrat contrat = PASSE;
    int score = 0;             // what the taker receives, as the score sheet counts it
    int donnesDistribuees = 0; // deals dealt until a seat took
    // The cards played are in the deal record (slotsJoues, entamesPlis), the random states
    // and the rules fired in the rule engine (grainesCartes, reglesDeclenchees).
};

// Deals until a seat takes, discards for the taker, plays the 18 tricks and scores the deal.
// The weights adapt after the deal, as in the game. Returns the result in r.
void jouerDonneAuto(Partie& jeu, DonneAuto& r);

} // namespace quarvel
