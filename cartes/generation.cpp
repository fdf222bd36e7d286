#include "cartes/generation.h"

#include <bit>
#include <cstdint>
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

// A card's place in a sorted hand (the order of trierCartes): trumps from the 21 down to the
// Excuse, then PIQUE, COEUR, TREFLE, CARREAU from the Roi down.
constexpr int rangTri(const Carte& c) {
    return c.couleur == ATOUT ? 21 - c.valeur : 22 + (entier(c.couleur) - 1) * 14 + ROI - c.valeur;
}

constexpr Tableau<Carte, 78, 0> CARTES_PAR_RANG = [] {
    Tableau<Carte, 78, 0> t{};
    for (int n = 1; n <= 78; ++n) {
        Carte c = carteDuNumeroConst(n);
        c.enMain = true;
        t[rangTri(c)] = c;
    }
    return t;
}();

// trierCartes for cards just dealt, all different and in hand: each card's place in the order is
// known, so the sort is a set of places read in order.
template <int N> void trierDonnees(Tableau<Carte, N>& cartes) {
    std::uint64_t bas = 0, haut = 0;
    for (const Carte& c : cartes) {
        const int r = rangTri(c);
        bas |= r < 64 ? std::uint64_t{1} << r : 0;
        haut |= r >= 64 ? std::uint64_t{1} << (r - 64) : 0;
    }
    Carte* sortie = cartes.begin();
    for (; bas != 0; bas &= bas - 1) *sortie++ = CARTES_PAR_RANG[std::countr_zero(bas)];
    for (; haut != 0; haut &= haut - 1) *sortie++ = CARTES_PAR_RANG[64 + std::countr_zero(haut)];
}

constexpr PlaceDonnee calculerPlace(int position) {
    const int bloc = (position - 1) / 13; // 0..5
    const int rang = (position - 1) % 13; // 0..12
    if (rang == 12) return {Siege::Aucun, bloc + 1};
    return {siegeNumero(rang / 3 + 1), 3 * bloc + rang % 3 + 1};
}

constexpr Tableau<PlaceDonnee, 78> PLACES = [] {
    Tableau<PlaceDonnee, 78> t{};
    for (int p = 1; p <= 78; ++p) t[p] = calculerPlace(p);
    return t;
}();

} // namespace

PlaceDonnee placeDeLaPosition(int position) {
    return calculerPlace(position);
}

void melanger(Paquet& paquet, Aleatoire& alea) {
    for (int i = 1; i <= 78; ++i) paquet[i] = i;
    // The draws do not hang on the pack: four at a time from the same state, so that the
    // multiplications run side by side rather than one after the other.
    constexpr SautAleatoire s1 = sautAleatoire(1), s2 = sautAleatoire(2), s3 = sautAleatoire(3),
                            s4 = sautAleatoire(4);
    auto echanger = [&paquet](std::uint32_t ea, std::uint32_t eb) {
        const int a = Aleatoire::tirageDe(ea, 78);
        const int b = Aleatoire::tirageDe(eb, 78);
        const int x = paquet[a];
        paquet[a] = paquet[b];
        paquet[b] = x;
    };
    std::uint32_t g = alea.graine;
    for (int k = 0; k < 717 / 2; ++k) {
        const std::uint32_t e1 = s1.a * g + s1.c, e2 = s2.a * g + s2.c;
        const std::uint32_t e3 = s3.a * g + s3.c, e4 = s4.a * g + s4.c;
        echanger(e1, e2);
        echanger(e3, e4);
        g = e4;
    }
    const std::uint32_t e1 = s1.a * g + s1.c, e2 = s2.a * g + s2.c;
    echanger(e1, e2);
    alea.graine = e2;
}

void distribuer(const Paquet& paquet, Donne& d) {
    const JeuComplet& complet = jeuComplet();
    for (int p = 1; p <= 78; ++p) {
        Carte c = complet[paquet[p]];
        c.enMain = true;
        const PlaceDonnee place = PLACES[p];
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

    // Every candidate is a whole pack, each card once.
    for (Siege s : SIEGES) trierDonnees(d.mains[s]);
    trierDonnees(d.chien);
    d.mainsDonnees = d.mains;
    d.chienDonne = d.chien;
    return candidats;
}

} // namespace quarvel
