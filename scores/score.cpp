#include "scores/score.h"

namespace quarvel {

int demiPointsVersPoints(int demiPoints) {
    // Floor division, so that negative totals round the same way.
    int q = demiPoints / 2;
    if (demiPoints % 2 != 0 && demiPoints < 0) --q;
    if (demiPoints % 2 != 0 && q % 2 != 0) ++q;
    return q;
}

int scorePreneur(const Donne& d) {
    static constexpr int coefficients[5] = {0, 1, 2, 4, 6};
    if (d.contrat < PRISE || d.contrat > GARDE_CONTRE) return 0;

    const int p = demiPointsVersPoints(d.pointsPreneur);
    const bool gagne = p >= d.pointsContrat;
    int valeur = p - d.pointsContrat + (gagne ? 25 : -25);
    if (d.petitAuBout == 1)
        valeur += 10;
    else if (d.petitAuBout == 2)
        valeur -= 10;
    valeur *= coefficients[entier(d.contrat)];
    if (d.poignee >= 1 && d.poignee <= 3) {
        const int prime = 10 * d.poignee + 10;
        valeur += gagne ? prime : -prime;
    }
    return valeur * 3;
}

} // namespace quarvel
