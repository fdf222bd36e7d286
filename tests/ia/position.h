#pragma once
// Hand-built positions for the computer players' tests: a full deal where the tests name the
// cards that matter, and a small stand-in for the trick rules so that cards can be played.
#include "aides/cartes_test.h"
#include "donne/pli.h"
#include "fenetres/modele/deductions.h"
#include "fenetres/modele/jeu.h"
#include "partie/coeur.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

namespace quarvel::test {

struct Position {
    Tableau<std::vector<Carte>, 4> mains; // by seat
    std::vector<Carte> chien;             // dog as dealt
    std::vector<Carte> ecart;             // the taker's discard at PRISE or GARDE
    Siege preneur = EST;
    Contrat contrat = GARDE;
    Siege entame = SUD;
};

inline std::unique_ptr<Jeu> nouveauJeu() {
    auto jeu = std::make_unique<Jeu>();
    jeu->reglages.niveau = 4;
    jeu->reglages.poidsRegles.remplir(100);
    return jeu;
}

inline void viderPli(Pli& pli, Siege entame) {
    for (Siege s : SIEGES) pli.cartes[s] = Carte{0, AUCUNE, false};
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
    for (Siege s : SIEGES)
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
    for (Siege s : SIEGES)
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
    for (Siege s : SIEGES) {
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
    for (Siege s : SIEGES) d.encheresAnnoncees[s] = s == p.preneur ? p.contrat : PASSE;
    d.numeroPli = 1;
    viderPli(d.pli, p.entame);
    d.joueurCourant = p.entame;
    d.phase = Phase::JeuEnCours;
}

// The legal cards and their reasons for the seat.
inline void jouables(Jeu& jeu, Siege s) {
    calculerJouables(jeu.donne, s);
}

// Puts the seat's card down as the table does: knowledge first, then the trick.
inline void poser(Jeu& jeu, Siege s, int slot) {
    noterCarteJouee(jeu, s, slot);
    poserCarteDansPli(jeu.donne, s, slot);
    ++jeu.donne.pli.nbCartesJouees;
    jeu.donne.joueurCourant = siegeSuivant(s);
}

// Plays the named card of the seat whose turn it is (it must be legal).
inline void jouer(Jeu& jeu, const Carte& c) {
    const Siege s = jeu.donne.joueurCourant;
    jouables(jeu, s);
    const int slot = slotDe(jeu, s, c.couleur, c.valeur);
    poser(jeu, s, slot);
}

// Gathers a complete trick: the winner leads the next one.
inline void ramasser(Jeu& jeu) {
    jeu.connaissance.petitDansPli = false;
    compterFinDePli(jeu.donne);
    noterFinDePli(jeu);
    ramasserPli(jeu);
}

// Sets the seat's candidates by hand (slots given), for the engine's tests.
inline void candidats(Jeu& jeu, Siege s, std::initializer_list<int> slots) {
    for (int i = 1; i <= 18; ++i) jeu.donne.cartesJouables[s][i] = 0;
    for (int i : slots) jeu.donne.cartesJouables[s][i] = 1;
}

} // namespace quarvel::test
