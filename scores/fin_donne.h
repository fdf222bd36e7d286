#pragma once
// The end of a deal: the running scores and the computer players' weights.

namespace quarvel {

struct PartieScores;

// Called once, when the eighteenth trick has been scored. Its message, result panel and the
// settings save are left due to the presentation.
void finDeDonne(PartieScores& jeu);

} // namespace quarvel
