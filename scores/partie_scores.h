#pragma once
// The part of a game the scores work on: the running scores on show or not, over the computer
// players' part (the end of a deal adapts their weights).
#include "ia/partie_ia.h"
#include "scores/challenge.h"

namespace quarvel {

struct PartieScores : PartieIA {
    bool scoresVisibles = false;
    int donnesFinies = 0; // deals of this game played to their end and scored
    Challenge challenge;

    bool operator==(const PartieScores&) const = default;
};

} // namespace quarvel
