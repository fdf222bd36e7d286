#pragma once
// The end of a deal and the running scores as the windows show them: the result panel, the
// score panels, the score sheet, and the questions and messages that go with them.
#include <string>

namespace quarvel {

struct Jeu;

// What moved during an event: a deal scored (its message, the result panel and the settings
// save, in that order), the running scores or whether they are seen.
void montrerFinEtScores(Jeu& jeu);
// The four score panels and their check marks, from the scores and whether they are seen.
void montrerScores(Jeu& jeu);
// Writes the scores into their panels when they are to be seen, hides the panels otherwise.
void afficherScores(Jeu& jeu);
// Asks first; on Yes the scores go back to 0 and the settings are written.
void initialiserScores(Jeu& jeu);
// The result text of the deal for a taker's score T (both lines).
std::string texteResultat(const Jeu& jeu, int scoreDuPreneur);
// Fills the score sheet line by line and centres it on the screen.
void remplirFeuilleScore(Jeu& jeu);

} // namespace quarvel
