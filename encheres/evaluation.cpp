#include "encheres/evaluation.h"

namespace quarvel {

namespace {

constexpr int poids(const Carte& c) {
    if (c.couleur == ATOUT) {
        if (estBout(c)) return 12;
        if (c.valeur >= 15 && c.valeur <= 20) return 3;
        if (c.valeur >= 2 && c.valeur <= 14) return 2;
        return 0;
    }
    if (c.couleur < PIQUE || c.couleur > CARREAU) return 0;
    switch (c.valeur) {
    case ROI:
        return 12;
    case DAME:
        return 6;
    case CAVALIER:
    case VALET:
        return 2;
    default:
        return (c.valeur >= 1 && c.valeur <= 10) ? 1 : 0;
    }
}

// What one card adds to the measure, for every suit 0..4 and value 0..21: read from a table, as
// the tests card by card were mispredicted on a hand just dealt.
struct ApportCarte {
    int poids = 0;
    int atoutsExcuse = 0, atouts = 0, hauts = 0, bouts = 0;
    bool a21 = false;
};

constexpr Tableau<Tableau<ApportCarte, 22, 0>, 5, 0> APPORTS = [] {
    Tableau<Tableau<ApportCarte, 22, 0>, 5, 0> t{};
    for (int couleur = 0; couleur <= 4; ++couleur)
        for (int v = 0; v <= 21; ++v) {
            const Carte c{v, couleurNumero(couleur), false};
            ApportCarte& a = t[couleur][v];
            a.poids = poids(c);
            if (c.couleur != ATOUT) continue;
            a.atoutsExcuse = 1;
            a.atouts = v >= 1;
            a.hauts = v >= 13;
            a.bouts = estBout(c);
            a.a21 = v == VINGT_ET_UN;
        }
    return t;
}();

// One row of the bidding table, chosen by the bouts held.
struct Palier {
    int atoutsMin;    // T must reach this...
    int base;         // ...and base - H/2, compared in half units
    int passeMax;     // S up to here: PASSE
    int priseMax;     // then PRISE
    int gardeMax;     // then GARDE
    int gardeSansMax; // then GARDE SANS if T >= atoutsSans, else GARDE
    int atoutsSans;
    int atoutsContre; // above gardeSansMax: GARDE CONTRE if T >= atoutsContre, else GARDE SANS
};

constexpr Palier TROIS_BOUTS{4, 5, 51, 61, 77, 83, 6, 7};
constexpr Palier DEUX_BOUTS_AVEC_21{5, 5, 49, 55, 75, 83, 6, 7};
constexpr Palier DEUX_BOUTS_SANS_21{5, 7, 49, 55, 75, 83, 6, 7};
constexpr Palier UN_BOUT{6, 8, 69, 75, 103, 113, 7, 8};
constexpr Palier AUCUN_BOUT{7, 9, 79, 85, 123, 129, 8, 9};

} // namespace

int poidsCarte(const Carte& c) {
    return poids(c);
}

MesureMain mesurerMain(const MainJoueur& main) {
    MesureMain m;
    for (const Carte& c : main) {
        if (c.couleur < ATOUT || c.couleur > CARREAU || c.valeur < 0 || c.valeur > 21) {
            m.score += poids(c);
            continue;
        }
        const ApportCarte& a = APPORTS[entier(c.couleur)][c.valeur];
        m.score += a.poids;
        m.atoutsExcuse += a.atoutsExcuse;
        m.atouts += a.atouts;
        m.hauts += a.hauts;
        m.bouts += a.bouts;
        m.a21 = m.a21 || a.a21;
    }

    // Trump length, the Excuse counted.
    const int n = m.atoutsExcuse;
    if (n >= 10)
        m.score += 12;
    else if (n == 9)
        m.score += 9;
    else if (n == 8)
        m.score += 6;
    else if (n == 7)
        m.score += 4;
    else if (n == 6)
        m.score += 2;
    // Long trumps, the Excuse not counted.
    const int t = m.atouts;
    if (t >= 9) m.score += 10 * (t - 8) + (t - 8) * (t - 7);
    return m;
}

Contrat contratMerite(const MesureMain& m) {
    const Palier& p = m.bouts >= 3   ? TROIS_BOUTS
                      : m.bouts == 2 ? (m.a21 ? DEUX_BOUTS_AVEC_21 : DEUX_BOUTS_SANS_21)
                      : m.bouts == 1 ? UN_BOUT
                                     : AUCUN_BOUT;
    const int t = m.atouts, s = m.score;
    // T >= base - H/2, kept in whole numbers.
    if (t < p.atoutsMin || 2 * t < 2 * p.base - m.hauts) return PASSE;
    if (s <= p.passeMax) return PASSE;
    if (s <= p.priseMax) return PRISE;
    if (s <= p.gardeMax) return GARDE;
    if (s <= p.gardeSansMax) return t >= p.atoutsSans ? GARDE_SANS : GARDE;
    return t >= p.atoutsContre ? GARDE_CONTRE : GARDE_SANS;
}

Contrat evaluerMain(const MainJoueur& main) {
    return contratMerite(mesurerMain(main));
}

Contrat evaluerMain(const Donne& donne, Siege siege) {
    return evaluerMain(donne.mains[siege]);
}

} // namespace quarvel
