#pragma once
// The part of a game the scores work on: the running scores on show or not, over the computer
// players' part (the end of a deal adapts their weights).
#include "ia/partie_ia.h"

namespace quarvel {

struct PartieScores : PartieIA {
    bool scoresVisibles = false;
    // Left for the presentation, which draws them once the event is over.
    bool scoresAMontrer = false;   // the running-score panels and their check marks
    bool finDonneAMontrer = false; // the deal's message, result panel and settings save

    bool operator==(const PartieScores&) const = default;
};

} // namespace quarvel
