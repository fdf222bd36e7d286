#include "scores/fin_donne.h"

#include <algorithm>
#include <climits>

#include "ia/moteur.h"
#include "scores/challenge.h"
#include "scores/partie_scores.h"
#include "scores/score.h"
#include "scores/scores_globaux.h"

namespace quarvel {

void finDeDonne(PartieScores& jeu) {
    const Donne& d = jeu.donne;
    Tableau<int, 4> scores = jeu.reglages.scoresGlobaux;
    const int t = scorePreneur(d);

    // A replayed deal counts nowhere; the presentation says so.
    if (!d.donneRejouee) {
        // Scores read from damaged settings may sit near the limits: stop there, never wrap.
        for (Siege s : SIEGES) {
            long long v = static_cast<long long>(scores[s]) + ((s == d.preneur) ? t : -t / 3);
            scores[s] = static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
        }
        compterStatistiques(jeu.reglages.statistiques, jeu.reglages.niveau, d);
        Challenge& c = jeu.challenge;
        if (c.enCours && d.contrat >= PRISE && d.contrat <= GARDE_CONTRE) {
            ++c.donnesJouees;
            c.total = static_cast<int>(std::clamp<long long>(
                static_cast<long long>(c.total) + scoreSud(d), INT_MIN, INT_MAX));
            if (c.donnesJouees >= c.nbDonnes) {
                c.enCours = false;
                c.fini = true;
            }
        }
    }

    adapterPoids(jeu, t >= 1);

    // The new scores are stored before the presentation saves them, right after this: a run
    // closed by its close box right after the deal must not lose them.
    jeu.reglages.scoresGlobaux = scores;
    ++jeu.donnesFinies;

    jeu.scoresVisibles = false;
    basculerScores(jeu);
}

} // namespace quarvel
