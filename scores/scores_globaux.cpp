#include "scores/scores_globaux.h"

#include "donne/jeu.h"

namespace quarvel {

void basculerScores(Jeu& jeu) {
    jeu.scoresVisibles = !jeu.scoresVisibles;
    jeu.scoresAMontrer = true;
}

void remettreScoresAZero(Jeu& jeu) {
    for (int s = 1; s <= 4; ++s) jeu.reglages.scoresGlobaux[s] = 0;
}

} // namespace quarvel
