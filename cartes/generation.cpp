#include "cartes/generation.h"

#include <optional>

namespace quarvel {

namespace {

// The strength optionForceMain demands of the user's hand, if it forces one.
std::optional<Contrat> enchereForcee(int option) {
    switch (option) {
    case 1:
        return PASSE;
    case 3:
        return PRISE;
    case 4:
        return GARDE;
    case 5:
        return GARDE_SANS;
    case 6:
        return GARDE_CONTRE;
    default:
        return std::nullopt;
    }
}

bool paquetValable(const Paquet& paquet) {
    bool vu[79] = {};
    for (int n : paquet) {
        if (n < 1 || n > 78 || vu[n]) return false;
        vu[n] = true;
    }
    return true;
}

bool petitSec(const MainJoueur& main) {
    int atouts = 0;
    bool petit = false;
    for (const Carte& c : main) {
        if (c.couleur != ATOUT) continue;
        ++atouts;
        if (c.valeur == PETIT) petit = true;
    }
    return atouts == 1 && petit;
}

// Suit cards other than a Roi: what a taker may set aside.
int cartesEcartables(const Carte* debut, const Carte* fin) {
    int n = 0;
    for (const Carte* c = debut; c != fin; ++c)
        if (c->couleur >= PIQUE && c->couleur <= CARREAU && c->valeur < ROI) ++n;
    return n;
}

} // namespace

PlaceDonnee placeDeLaPosition(int position) {
    const int bloc = (position - 1) / 13; // 0..5
    const int rang = (position - 1) % 13; // 0..12
    if (rang == 12) return {Siege::Aucun, bloc + 1};
    return {siegeNumero(rang / 3 + 1), 3 * bloc + rang % 3 + 1};
}

void melanger(Paquet& paquet, Aleatoire& alea) {
    for (int i = 1; i <= 78; ++i) paquet[i] = i;
    for (int k = 0; k < 717; ++k) {
        const int a = alea(78);
        const int b = alea(78);
        const int x = paquet[a];
        paquet[a] = paquet[b];
        paquet[b] = x;
    }
}

void distribuer(const Paquet& paquet, Donne& d) {
    const JeuComplet& complet = jeuComplet();
    for (int p = 1; p <= 78; ++p) {
        Carte c = complet[paquet[p]];
        c.enMain = true;
        const PlaceDonnee place = placeDeLaPosition(p);
        if (place.siege == Siege::Aucun)
            d.chien[place.slot] = c;
        else
            d.mains[place.siege][place.slot] = c;
    }
}

bool examinerCandidat(Donne& d, const OptionsDonne& options, bool rejouer) {
    bool refuse = false;

    for (Siege s : SIEGES)
        if (petitSec(d.mains[s])) {
            refuse = true;
            break;
        }

    const int auChien = cartesEcartables(d.chien.begin(), d.chien.end());
    for (Siege s : SIEGES)
        if (auChien + cartesEcartables(d.mains[s].begin(), d.mains[s].end()) < 6) {
            refuse = true;
            break;
        }

    for (Siege s : SIEGES) d.encheresMeritees[s] = options.evaluer(d, s);

    const std::optional<Contrat> forcee = enchereForcee(options.forceMain);
    if (forcee && d.encheresMeritees[SUD] != *forcee) refuse = true;

    if (options.auMoinsUneMainDePrise && !rejouer) {
        bool unePrise = false;
        for (Siege s : SIEGES)
            if (d.encheresMeritees[s] != PASSE) unePrise = true;
        if (!unePrise) refuse = true;
    }
    return !refuse;
}

bool faireCandidat(Donne& d, Paquet& paquet, Aleatoire& alea, const OptionsDonne& options,
                   bool rejouer) {
    // A replay with no previous deal to replay shuffles like a new one.
    if (!rejouer || !paquetValable(paquet)) melanger(paquet, alea);
    distribuer(paquet, d);
    const bool accepte = examinerCandidat(d, options, rejouer);
    return rejouer || accepte;
}

int produireDonne(Donne& d, Paquet& paquet, Aleatoire& alea, const OptionsDonne& options,
                  bool rejouer) {
    d.donneRejouee = rejouer;
    if (!rejouer) d.premierParlant = siegeSuivant(d.premierParlant);
    d.pli.entame = d.premierParlant;
    d.pli.nbCartesJouees = 0;
    d.joueurCourant = d.premierParlant;

    int candidats = 0;
    bool accepte = false;
    while (!accepte) {
        accepte = faireCandidat(d, paquet, alea, options, rejouer);
        ++candidats;
    }

    for (Siege s : SIEGES) trierMain(d.mains[s]);
    trierChien(d.chien);
    d.mainsDonnees = d.mains;
    d.chienDonne = d.chien;
    return candidats;
}

} // namespace quarvel
