#pragma once
// The four review windows of the end of a deal.
namespace quarvel {

struct Jeu;

// Creates the previous-trick, hands, score-sheet and all-tricks windows, in that order, after
// the main window.
void creerFenetresRevue(Jeu& jeu);

} // namespace quarvel
