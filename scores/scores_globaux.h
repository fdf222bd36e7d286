#pragma once
// The running scores: whether they are on show, and their reset.

namespace quarvel {

struct PartieScores;

// Shows or hides the four running-score panels.
void basculerScores(PartieScores& jeu);
// Every seat back to 0.
void remettreScoresAZero(PartieScores& jeu);

} // namespace quarvel
