#include "scores/scores_globaux.h"

#include "scores/partie_scores.h"

namespace quarvel {

void basculerScores(PartieScores& jeu) {
    jeu.scoresVisibles = !jeu.scoresVisibles;
}

void remettreScoresAZero(PartieScores& jeu) {
    for (Siege s : SIEGES) jeu.reglages.scoresGlobaux[s] = 0;
}

} // namespace quarvel
