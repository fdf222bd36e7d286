#pragma once
// One game, with no window in it: the deal, the bidding, the discard and the handful, the
// computer players' knowledge and rule engine, the settings, the running scores, the pace and
// the random source. A value: it can be copied, compared and stored, and two games share
// nothing. The window model (fenetres/modele) is computed from it after each event.
#include "cartes/tableau.h"
#include "scores/partie_scores.h"
#include <cstdint>

namespace quarvel {

struct Partie : PartieScores {
    Tableau<int, 78> paquet; // order of the pack for the deal in progress; kept for a replay
    int candidats = 0;       // candidates drawn for the last deal
    bool continuerAuto = true;
    int donnesDistribuees = 0; // deals dealt in this game, replays and deals passed out included
    // A computer seat's next card chosen outside the game (hand slot, 0 none): played instead
    // of the rules' choice when the rules allow it.
    Tableau<int, 4> carteImposee;
    // While deals dealt by their number are on, the random state the game's own deals stopped
    // at: the next new deal goes on from it, so that a chosen number never moves where the
    // game's own deals go on, in this run or the next.
    bool donneChoisie = false;
    std::uint32_t graineSuite = 0;

    bool operator==(const Partie&) const = default;
};

} // namespace quarvel
