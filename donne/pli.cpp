#include "donne/pli.h"

#include <bit>

namespace quarvel {

namespace {

// The seat's cards as sets of slots: bit i - 1 for slot i.
struct Ensembles {
    unsigned enMain = 0;
    unsigned atouts = 0;    // trumps proper in hand
    unsigned excuse = 0;    // the Excuse in hand
    unsigned demandees = 0; // cards in hand of the suit asked
    unsigned au_dessus = 0; // cards above the value the trick sets
};

Ensembles ensemblesDe(const MainJoueur& main, Couleur demandee, int seuil) {
    // Each test turned into a bit by arithmetic, not by a branch that would be mispredicted.
    Ensembles e;
    for (int i = 0; i < 18; ++i) {
        const Carte& c = main.v[i];
        e.enMain |= static_cast<unsigned>(c.enMain) << i;
        e.atouts |= static_cast<unsigned>(estAtout(c)) << i;
        e.excuse |= static_cast<unsigned>(estExcuse(c)) << i;
        e.demandees |= static_cast<unsigned>(c.couleur == demandee) << i;
        e.au_dessus |= static_cast<unsigned>(c.valeur > seuil) << i;
    }
    e.atouts &= e.enMain;
    e.excuse &= e.enMain;
    e.demandees &= e.enMain;
    e.au_dessus &= e.enMain;
    return e;
}

template <class F> void pourChaque(unsigned ensemble, F f) {
    for (; ensemble != 0; ensemble &= ensemble - 1) f(std::countr_zero(ensemble));
}

} // namespace

// The trick rules: a card of the suit asked, else a trump (above the highest one on the table
// when the seat has one), else any card; trumps asked, a trump above those played when the
// seat has one; the Excuse at any time. The codes say which rule let each card through, with
// the value and suit they are about.
void calculerJouables(Donne& d, Siege s) {
    for (auto& rangee : d.raisonsJouables)
        for (RaisonJouable& r : rangee) r.code = Raison::Suit;

    const Pli& pli = d.pli;
    Tableau<RaisonJouable, 18>& raisons = d.raisonsJouables[s];
    const bool libre =
        pli.nbCartesJouees == 0 || (pli.nbCartesJouees == 1 && estExcuse(pli.cartes[pli.entame]));
    const Couleur demandee = pli.couleurDemandee;
    const int seuil = libre ? 0
                      : demandee == ATOUT
                          ? (pli.valeurEntame > pli.atoutMax ? pli.valeurEntame : pli.atoutMax)
                          : pli.atoutMax;
    const Ensembles e = ensemblesDe(d.mains[s], demandee, seuil);

    unsigned jouables = 0;
    if (libre) {
        jouables = e.enMain;
        pourChaque(jouables, [&](int i) { raisons.v[i].code = Raison::Libre; });
    } else if (demandee == ATOUT) {
        if (e.atouts == 0) {
            jouables = e.enMain;
            pourChaque(jouables, [&](int i) { raisons.v[i].code = Raison::SansAtout; });
        } else if ((e.atouts & e.au_dessus) != 0) {
            jouables = e.atouts & e.au_dessus;
            pourChaque(jouables, [&](int i) { raisons.v[i].code = Raison::Surcoupe; });
        } else {
            jouables = e.atouts;
            pourChaque(jouables, [&](int i) {
                raisons.v[i].code = Raison::SousCoupe;
                raisons.v[i].valeur = seuil;
            });
        }
    } else if (e.demandees != 0) {
        jouables = e.demandees;
    } else if (e.atouts == 0) {
        jouables = e.enMain;
        pourChaque(jouables, [&](int i) {
            raisons.v[i].code = Raison::Defausse;
            raisons.v[i].couleur = demandee;
        });
    } else {
        // Every trump is first a ruff about the suit asked; those under a trump on the table
        // drop out when the seat can overtrump.
        pourChaque(e.atouts, [&](int i) { raisons.v[i].couleur = demandee; });
        jouables = e.atouts;
        Raison code = Raison::Coupe;
        if (pli.atoutMax > 0) {
            const bool surcoupe = (e.atouts & e.au_dessus) != 0;
            if (surcoupe) jouables = e.atouts & e.au_dessus;
            code = surcoupe ? Raison::Surcoupe : Raison::SousCoupe;
            pourChaque(jouables, [&](int i) { raisons.v[i].valeur = pli.atoutMax; });
        }
        pourChaque(jouables, [&](int i) { raisons.v[i].code = code; });
    }

    // The Excuse may always be played.
    jouables |= e.excuse;
    pourChaque(e.excuse, [&](int i) { raisons.v[i].code = Raison::Suit; });

    Tableau<int, 18>& marques = d.cartesJouables[s];
    for (int i = 0; i < 18; ++i) marques.v[i] = static_cast<int>((jouables >> i) & 1u);
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
