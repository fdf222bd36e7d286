#pragma once
// Hand-built positions for the computer players' tests: a full deal where the tests name the
// cards that matter, and a small stand-in for the trick rules so that cards can be played.
#include "donne/jeu.h"
#include "scores/deductions.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

namespace quarvel::test {

inline Carte A(int v) {
    return {v, ATOUT, true};
}
inline Carte P(int v) {
    return {v, PIQUE, true};
}
inline Carte Co(int v) {
    return {v, COEUR, true};
}
inline Carte Tr(int v) {
    return {v, TREFLE, true};
}
inline Carte Ca(int v) {
    return {v, CARREAU, true};
}
inline const Carte EXC{0, ATOUT, true};

struct Position {
    std::array<std::vector<Carte>, 5> mains; // by seat 1..4
    std::vector<Carte> chien;                // dog as dealt
    std::vector<Carte> ecart;                // the taker's discard at PRISE or GARDE
    int preneur = 2;
    int contrat = GARDE;
    int entame = 1;
};

inline std::unique_ptr<Jeu> nouveauJeu() {
    auto jeu = std::make_unique<Jeu>();
    jeu->reglages.niveau = 4;
    jeu->reglages.poidsRegles.remplir(100);
    return jeu;
}

inline void viderPli(Pli& pli, int entame) {
    for (int s = 1; s <= 4; ++s) pli.cartes[s] = Carte{0, AUCUNE, false};
    pli.entame = entame;
    pli.nbCartesJouees = 0;
    pli.couleurDemandee = AUCUNE;
    pli.valeurEntame = 0;
    pli.atoutMax = 0;
}

// Fills the unnamed places with the remaining cards in pack order, sorts the hands, and sets
// the deal as it stands when play starts (no knowledge built yet).
inline void installer(Jeu& jeu, Position p) {
    std::array<bool, 79> pris{};
    auto prendre = [&](const Carte& c) { pris[numeroCarte(c)] = true; };
    for (int s = 1; s <= 4; ++s)
        for (auto& c : p.mains[s]) prendre(c);
    const bool retourne = p.contrat == PRISE || p.contrat == GARDE;
    // At PRISE and GARDE the dog as dealt is made of cards of the taker's hand or discard.
    if (!retourne)
        for (auto& c : p.chien) prendre(c);
    for (auto& c : p.ecart) prendre(c);
    int n = 1;
    auto suivante = [&] {
        while (pris[n]) ++n;
        pris[n] = true;
        Carte c = carteDuNumero(n);
        c.enMain = true;
        return c;
    };
    for (int s = 1; s <= 4; ++s)
        while (p.mains[s].size() < 18) p.mains[s].push_back(suivante());
    if (retourne) {
        // The dog as dealt: what the tests named, completed from the taker's hand cards
        // that were not named elsewhere; the discard completed from the remaining pack.
        while (p.ecart.size() < 6) p.ecart.push_back(suivante());
        for (const Carte& c : p.mains[p.preneur]) {
            if (p.chien.size() >= 6) break;
            if (std::find(p.chien.begin(), p.chien.end(), c) == p.chien.end()) p.chien.push_back(c);
        }
    } else {
        while (p.chien.size() < 6) p.chien.push_back(suivante());
    }
    Donne& d = jeu.donne;
    for (int s = 1; s <= 4; ++s) {
        std::sort(p.mains[s].begin(), p.mains[s].end(), avant);
        for (int i = 1; i <= 18; ++i) {
            d.mains[s][i] = p.mains[s][i - 1];
            d.mains[s][i].enMain = true;
        }
        d.mainsDonnees[s] = d.mains[s];
    }
    for (int i = 1; i <= 6; ++i) {
        d.chienDonne[i] = p.chien[i - 1];
        d.chien[i] = retourne ? p.ecart[i - 1] : p.chien[i - 1];
    }
    effacerDeductions(jeu); // as a new deal does
    d.preneur = p.preneur;
    d.contrat = p.contrat;
    for (int s = 1; s <= 4; ++s) d.encheresAnnoncees[s] = s == p.preneur ? p.contrat : PASSE;
    d.numeroPli = 1;
    viderPli(d.pli, p.entame);
    d.joueurCourant = p.entame;
}

// The legal cards and their reasons for the seat, as the trick rules give them.
inline void jouables(Jeu& jeu, int s) {
    Donne& d = jeu.donne;
    const Pli& pli = d.pli;
    auto& j = d.cartesJouables[s];
    auto& r = d.raisonsJouables[s];
    const MainJoueur& m = d.mains[s];
    for (int i = 1; i <= 18; ++i) {
        j[i] = 0;
        r[i].code = -1;
    }
    auto marquer = [&](auto garder, int code, int valeur, int couleur) {
        int n = 0;
        for (int i = 1; i <= 18; ++i)
            if (m[i].enMain && garder(m[i])) {
                j[i] = 1;
                r[i] = {code, valeur, couleur};
                ++n;
            }
        return n;
    };
    auto tout = [](const Carte&) { return true; };
    const bool libre =
        pli.nbCartesJouees == 0 || (pli.nbCartesJouees == 1 && estExcuse(pli.cartes[pli.entame]));
    if (libre) {
        marquer(tout, 0, 0, 0);
    } else if (pli.couleurDemandee == ATOUT) {
        const int haut = std::max(pli.valeurEntame, pli.atoutMax);
        if (marquer([&](const Carte& c) { return estAtout(c) && c.valeur > haut; }, 2, 0, 0) == 0)
            if (marquer([](const Carte& c) { return estAtout(c); }, 3, haut, 0) == 0)
                marquer(tout, 5, 0, 0);
    } else {
        const int dem = pli.couleurDemandee;
        if (marquer([&](const Carte& c) { return c.couleur == dem; }, -1, 0, 0) == 0) {
            const int haut = pli.atoutMax;
            if (haut == 0) {
                if (marquer([](const Carte& c) { return estAtout(c); }, 1, 0, dem) == 0)
                    marquer(tout, 4, 0, dem);
            } else if (marquer([&](const Carte& c) { return estAtout(c) && c.valeur > haut; }, 2,
                               haut, dem) == 0) {
                if (marquer([](const Carte& c) { return estAtout(c); }, 3, haut, dem) == 0)
                    marquer(tout, 4, 0, dem);
            }
        }
    }
    for (int i = 1; i <= 18; ++i)
        if (m[i].enMain && estExcuse(m[i])) j[i] = 1;
}

// Puts the seat's card down as the table does: knowledge first, then the trick.
inline void poser(Jeu& jeu, int s, int slot) {
    Donne& d = jeu.donne;
    Pli& pli = d.pli;
    noterCarteJouee(jeu, s, slot);
    const Carte c = d.mains[s][slot];
    d.mains[s][slot].enMain = false;
    d.slotsJoues[s][d.numeroPli] = slot;
    const int n = pli.nbCartesJouees;
    if (n == 0 || (n == 1 && estExcuse(pli.cartes[pli.entame]))) {
        pli.couleurDemandee = c.couleur;
        pli.valeurEntame = c.valeur;
    }
    if (n > 0 && estAtout(c)) {
        const Carte& menee = pli.cartes[pli.entame];
        if (menee.couleur != ATOUT)
            pli.atoutMax = std::max(pli.atoutMax, c.valeur);
        else if (c.valeur > std::max(menee.valeur, pli.atoutMax))
            pli.atoutMax = c.valeur;
    }
    pli.cartes[s] = c;
    ++pli.nbCartesJouees;
    d.joueurCourant = siegeSuivant(s);
}

// Plays the named card of the seat whose turn it is (it must be legal).
inline void jouer(Jeu& jeu, const Carte& c) {
    const int s = jeu.donne.joueurCourant;
    jouables(jeu, s);
    const int slot = slotDe(jeu, s, c.couleur, c.valeur);
    poser(jeu, s, slot);
}

// Gathers a complete trick: the winner leads the next one.
inline void ramasser(Jeu& jeu) {
    Donne& d = jeu.donne;
    Pli& pli = d.pli;
    int w = pli.entame;
    for (int t = siegeSuivant(pli.entame); t != pli.entame; t = siegeSuivant(t))
        if (prendLaMain(pli.cartes[t], pli.cartes[w])) w = t;
    ++d.numeroPli;
    noterFinDePli(jeu);
    viderPli(pli, w);
    d.joueurCourant = w;
}

// Sets the seat's candidates by hand (slots given), for the engine's tests.
inline void candidats(Jeu& jeu, int s, std::initializer_list<int> slots) {
    for (int i = 1; i <= 18; ++i) jeu.donne.cartesJouables[s][i] = 0;
    for (int i : slots) jeu.donne.cartesJouables[s][i] = 1;
}

} // namespace quarvel::test
