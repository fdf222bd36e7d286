#pragma once
// The end of a deal: its result, the running scores, and the detailed score sheet.
#include <string>

namespace quarvel {

struct Jeu;

// Called once, when the eighteenth trick has been scored.
void finDeDonne(Jeu& jeu);
// The result text of the deal for a taker's score T (both lines).
std::string texteResultat(const Jeu& jeu, int scoreDuPreneur);
// Fills the score sheet line by line and centres it on the screen.
void remplirFeuilleScore(Jeu& jeu);

} // namespace quarvel
