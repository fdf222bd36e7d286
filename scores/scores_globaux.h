#pragma once
// The four running-score panels beside the seats, and the command that resets them.

namespace quarvel {

struct Jeu;

// Shows or hides the four panels, keeping the menu check mark and the speed button in step.
void basculerScores(Jeu& jeu);
// Writes the scores into their panels when they are to be seen, hides the panels otherwise.
void afficherScores(Jeu& jeu);
// Asks first; on Yes the scores go back to 0 and the settings are written.
void initialiserScores(Jeu& jeu);

} // namespace quarvel
