#pragma once
// The end of a deal: the running scores and the computer players' weights.

namespace quarvel {

struct PartieScores;

// Called once, when the eighteenth trick has been scored; counts the deal in donnesFinies,
// where the presentation sees it end.
void finDeDonne(PartieScores& jeu);

} // namespace quarvel
