#pragma once
namespace quarvel {

struct Jeu;

// Shows or hides the four running-score panels.
void basculerScores(Jeu& jeu);

} // namespace quarvel
