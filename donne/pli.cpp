#include "donne/pli.h"

namespace quarvel {

namespace {

bool enMain(const Carte& c) {
    return c.enMain;
}

// Playable: the seat's trumps in hand with their code; returns how many.
int marquerAtouts(Donne& d, Siege s, Raison code) {
    int n = 0;
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = d.mains[s][i];
        if (enMain(c) && estAtout(c)) {
            d.cartesJouables[s][i] = 1;
            d.raisonsJouables[s][i].code = code;
            ++n;
        }
    }
    return n;
}

// Overtrumping: keeps only the trumps above m when there is one; true if so.
bool garderAtoutsAuDessus(Donne& d, Siege s, int m) {
    bool auDessus = false;
    for (int i = 1; i <= 18; ++i)
        if (d.cartesJouables[s][i] && d.mains[s][i].valeur > m) auDessus = true;
    if (!auDessus) return false;
    for (int i = 1; i <= 18; ++i)
        if (d.cartesJouables[s][i] && d.mains[s][i].valeur <= m) {
            d.cartesJouables[s][i] = 0;
            d.raisonsJouables[s][i].code = Raison::Suit;
        }
    return true;
}

void toutJouable(Donne& d, Siege s, Raison code) {
    for (int i = 1; i <= 18; ++i)
        if (enMain(d.mains[s][i])) {
            d.cartesJouables[s][i] = 1;
            d.raisonsJouables[s][i].code = code;
        }
}

void pourLesJouables(Donne& d, Siege s, int champValeur, Couleur champCouleur, bool ecrireValeur,
                     bool ecrireCouleur, Raison code) {
    for (int i = 1; i <= 18; ++i) {
        if (!d.cartesJouables[s][i]) continue;
        RaisonJouable& r = d.raisonsJouables[s][i];
        r.code = code;
        if (ecrireValeur) r.valeur = champValeur;
        if (ecrireCouleur) r.couleur = champCouleur;
    }
}

void calculerSansExcuse(Donne& d, Siege s) {
    Pli& pli = d.pli;
    const bool excuseEntamee = pli.nbCartesJouees == 1 && estExcuse(pli.cartes[pli.entame]);
    if (pli.nbCartesJouees == 0 || excuseEntamee) {
        toutJouable(d, s, Raison::Libre);
        return;
    }

    const Couleur demandee = pli.couleurDemandee;
    if (demandee == ATOUT) {
        if (marquerAtouts(d, s, Raison::Surcoupe) == 0) {
            toutJouable(d, s, Raison::SansAtout);
            return;
        }
        const int m = pli.valeurEntame > pli.atoutMax ? pli.valeurEntame : pli.atoutMax;
        if (!garderAtoutsAuDessus(d, s, m))
            pourLesJouables(d, s, m, ATOUT, true, false, Raison::SousCoupe);
        return;
    }

    bool fournit = false;
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = d.mains[s][i];
        if (enMain(c) && c.couleur == demandee) {
            d.cartesJouables[s][i] = 1;
            d.raisonsJouables[s][i].code = Raison::Suit;
            fournit = true;
        }
    }
    if (fournit) return;

    if (marquerAtouts(d, s, Raison::Coupe) == 0) {
        toutJouable(d, s, Raison::Defausse);
        pourLesJouables(d, s, 0, demandee, false, true, Raison::Defausse);
        return;
    }
    pourLesJouables(d, s, 0, demandee, false, true, Raison::Coupe);
    if (pli.atoutMax > 0) {
        const Raison code =
            garderAtoutsAuDessus(d, s, pli.atoutMax) ? Raison::Surcoupe : Raison::SousCoupe;
        pourLesJouables(d, s, pli.atoutMax, demandee, true, true, code);
    }
}

} // namespace

void calculerJouables(Donne& d, Siege s) {
    for (int i = 1; i <= 18; ++i) d.cartesJouables[s][i] = 0;
    for (auto& rangee : d.raisonsJouables)
        for (RaisonJouable& r : rangee) r.code = Raison::Suit;

    calculerSansExcuse(d, s);

    // The Excuse may always be played.
    for (int i = 1; i <= 18; ++i) {
        const Carte& c = d.mains[s][i];
        if (enMain(c) && estExcuse(c)) {
            d.cartesJouables[s][i] = 1;
            d.raisonsJouables[s][i].code = Raison::Suit;
        }
    }
}

void poserCarteDansPli(Donne& d, Siege s, int slot) {
    Pli& pli = d.pli;
    if (d.numeroPli >= 1 && d.numeroPli <= 18) {
        d.slotsJoues[s][d.numeroPli] = slot;
        if (s == pli.entame) d.entamesPlis[d.numeroPli] = s;
    }
    Carte& enJeu = d.mains[s][slot];
    enJeu.enMain = false;
    const Carte c = enJeu;
    pli.cartes[s] = c;

    const Carte& entame = pli.cartes[pli.entame];
    // The led card fixes the suit, or the card after a led Excuse.
    if (pli.nbCartesJouees == 0 || (pli.nbCartesJouees == 1 && estExcuse(entame))) {
        pli.couleurDemandee = c.couleur;
        pli.valeurEntame = c.valeur;
    }
    if (pli.nbCartesJouees > 0 && estAtout(c)) {
        if (entame.couleur != ATOUT) {
            if (c.valeur > pli.atoutMax) pli.atoutMax = c.valeur;
        } else {
            // The leader's own trump is never stored in atoutMax.
            const int m = entame.valeur > pli.atoutMax ? entame.valeur : pli.atoutMax;
            if (c.valeur > m) pli.atoutMax = c.valeur;
        }
    }
}

Siege gagnantDuPli(const Pli& pli) {
    Siege w = pli.entame;
    Siege t = pli.entame;
    for (int k = 0; k < 3; ++k) {
        t = siegeSuivant(t);
        if (prendLaMain(pli.cartes[t], pli.cartes[w])) w = t;
    }
    return w;
}

Siege compterFinDePli(Donne& d) {
    Pli& pli = d.pli;
    const Siege w = gagnantDuPli(pli);
    pli.entame = w;
    d.joueurCourant = w;

    ++d.numeroPli;
    pli.nbCartesJouees = 0;
    pli.atoutMax = 0;
    passerA(d, d.numeroPli > 18 ? Phase::DernierPli : Phase::PliARamasser);
    const bool dernier = d.numeroPli == 19;
    const bool preneurGagne = estPreneur(d, w);

    int points = 0;
    Siege excuse = Siege::Aucun; // seat that played the Excuse
    bool petit = false;
    for (Siege s : SIEGES) {
        const Carte& c = pli.cartes[s];
        points += pointsCarte(c);
        if (estExcuse(c)) excuse = s;
        if (estPetit(c)) petit = true;
    }
    (preneurGagne ? d.pointsPreneur : d.pointsDefense) += points;

    // The Excuse stays with its owner's camp, who gives the winner a half point for it.
    if (excuse != Siege::Aucun) {
        if (estPreneur(d, excuse)) {
            d.pointsPreneur += 8;
            d.pointsDefense -= 8;
        } else if (preneurGagne) {
            d.pointsPreneur -= 8;
            d.pointsDefense += 8;
        }
    }

    if (dernier) {
        // In the last trick the Excuse changes camp, whoever wins it.
        if (excuse != Siege::Aucun) {
            const int sens = estPreneur(d, excuse) ? -1 : 1;
            d.pointsPreneur += 8 * sens;
            d.pointsDefense -= 8 * sens;
            d.boutsPreneur += sens;
            d.boutsDefense -= sens;
        }
        const Contrat contrat =
            d.preneur != Siege::Aucun ? d.encheresAnnoncees[d.preneur] : PAS_PARLE;
        int pointsChien = 0, boutsChien = 0;
        for (const Carte& c : d.chien) {
            pointsChien += pointsCarte(c);
            if (estBout(c)) ++boutsChien;
        }
        if (contrat == PRISE || contrat == GARDE) {
            d.pointsPreneur += pointsChien; // a discard holds no bout
        } else if (contrat == GARDE_SANS) {
            d.pointsPreneur += pointsChien;
            d.boutsPreneur += boutsChien;
        } else if (contrat == GARDE_CONTRE) {
            d.pointsDefense += pointsChien;
            d.boutsDefense += boutsChien;
        }
    }

    for (Siege s : SIEGES) {
        const Carte& c = pli.cartes[s];
        if (estPetit(c) || (estAtout(c) && c.valeur == VINGT_ET_UN))
            (preneurGagne ? d.boutsPreneur : d.boutsDefense) += 1;
    }
    if (excuse != Siege::Aucun) (estPreneur(d, excuse) ? d.boutsPreneur : d.boutsDefense) += 1;

    if (dernier) d.petitAuBout = petit ? (preneurGagne ? 1 : 2) : 0;

    if (d.boutsPreneur + d.boutsDefense == 3) {
        static constexpr int besoin[4] = {56, 51, 41, 36};
        const int b = d.boutsPreneur < 0 ? 0 : d.boutsPreneur > 3 ? 3 : d.boutsPreneur;
        d.pointsContrat = besoin[b];
    }
    return w;
}

} // namespace quarvel
