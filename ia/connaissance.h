#pragma once
// What each seat knows of the cards during play. Plain suits are indexed 1..4, plain values
// 1..14, trumps 0..21 (0 the Excuse) where a table includes the Excuse, seats and observers 1..4.
#include "cartes/donne.h"

#include <cstdint>

namespace quarvel {

struct PartieIA;

// Where an observer places a card (lieuCarte, lieuAtout): a seat 1..4, or one of these.
constexpr int LIEU_INCONNU = -1;
constexpr int LIEU_ECART = 5; // set aside: no seat can hold it
constexpr int LIEU_JOUEE = 10;

// The bit of a plain card in Connaissance::cartesPossibles: 14 bits a suit, in pack order.
constexpr int bitCarte(Couleur c, int v) {
    return (entier(c) - 1) * 14 + v - 1;
}

struct Connaissance {
    // Common facts. Each card's holder: a seat 1..4, 0 for the six cards set aside (the
    // discard, or the dog at GARDE SANS and GARDE CONTRE), LIEU_JOUEE once played; and its slot
    // in that hand, 0 when set aside, LIEU_JOUEE once played.
    Tableau<Tableau<int, 14>, 4> detenteurCarte, slotCarte; // [c][v]
    Tableau<int, 20, 2> detenteurAtout, slotAtout;          // v = 2..21
    int detenteurPetit = 0, slotPetit = 0;
    int detenteurExcuse = 0, slotExcuse = 0;
    int atoutsJoues = 0;
    Tableau<int, 4> etatCouleur;       // 1 not yet played, 2 first played in this trick, 0 earlier
    Tableau<int, 4> carteMaitresse;    // highest value not gone, -1 none
    Tableau<Couleur, 4> couleurLongue; // by seat
    bool petitDansPli = false;
    Tableau<bool, 4> roiSec;
    Tableau<bool, 4> roiAuChien;
    int atoutsAuChien = -1;
    Tableau<bool, 4> couleursJoueesPreneur;
    Tableau<Couleur, 4> entamesPreneur; // plain suits led by the taker
    Tableau<bool, 4> couleurEntameePreneur;
    int nbEntamesPreneur = 0;
    Couleur derniereEntamePreneur = ATOUT; // a plain suit, or ATOUT: kept from deal to deal
    Couleur entamePreneur1 = AUCUNE, entamePreneur2 = AUCUNE;
    Tableau<bool, 4> pasEncoreEntame;
    Siege signaleur = Siege::Aucun; // the seat that signalled trumps
    bool signalAtout = false;
    int preneurCoupeDuPetit = -1;
    bool cavalierSousRoi = false;
    bool defenseCoupeLongue = false;
    bool ecartAtoutsSuspect = false;
    bool mainForte = false;

    // Per seat
    Tableau<int, 4> atoutsDonnes, atoutsEnMain, atoutsDehors;
    Tableau<Tableau<int, 4>, 4> cartesDonnees, cartesEnMain, cartesDehors; // [s][c]
    Tableau<int, 4> atoutMaitre;

    // Per observer o: what o knows of seat s
    Tableau<Tableau<Tableau<bool, 4>, 4>, 4> couleurCoupee; // [o][s][c]
    Tableau<Tableau<bool, 4>, 4> sansAtout;                 // [o][s]
    // Where o places each card: its own cards at its seat, a card another seat alone can
    // hold at that seat (once o knows the discard), LIEU_ECART when no seat can, LIEU_JOUEE
    // once played (and the taker's own discard), LIEU_INCONNU until then.
    Tableau<Tableau<Tableau<int, 14>, 4>, 4> lieuCarte; // [o][c][v]
    Tableau<Tableau<int, 22, 0>, 4> lieuAtout;          // [o][v], v = 0..21
    // The cards o thinks seat h may hold, as sets: a whole suit is looked at in a few steps.
    Tableau<Tableau<std::uint64_t, 4>, 4> cartesPossibles; // [o][h], bit bitCarte(c, v)
    Tableau<Tableau<std::uint32_t, 4>, 4> atoutsPossibles; // [o][h], bit v = 0..21
    // The cards o has not located yet (lieu LIEU_INCONNU), as sets of the same bits.
    Tableau<std::uint64_t, 4> cartesInconnues; // [o]
    Tableau<std::uint32_t, 4> atoutsInconnus;  // [o]
    // The cards o places at LIEU_JOUEE, as sets of the same bits.
    Tableau<std::uint64_t, 4> cartesParties; // [o]
    Tableau<std::uint32_t, 4> atoutsPartis;  // [o]
    Tableau<bool, 4> ecartConnu;
    Tableau<Tableau<int, 4>, 4> cartesAutres; // [o][c]
    Tableau<int, 4> atoutsAutres;

    Tableau<int, 4> nbPartis;         // cards each observer places at LIEU_JOUEE
    int nbCartesJouees = 0;           // cards played in this deal, 72 once it is over
    std::uint32_t graineInitiale = 0; // the random state when this deal's tables were built
    bool operator==(const Connaissance&) const = default;
};

// Whether o, from what it knows, could place card c with seat h.
constexpr bool detenteurPossible(const Connaissance& k, Siege o, Siege h, const Carte& c) {
    return c.couleur == ATOUT
               ? (k.atoutsPossibles[o][h] >> c.valeur & 1u) != 0
               : (k.cartesPossibles[o][h] >> bitCarte(c.couleur, c.valeur) & 1u) != 0;
}

// Built when play is about to start, after the discard (or at once at GARDE SANS/CONTRE).
void initialiserConnaissance(PartieIA& jeu);
// Every card played, before it leaves the hand; reads its reason code and the trick.
void noterCarteJouee(PartieIA& jeu, Siege siege, int slot);
// End of each trick: petitDansPli, etatCouleur 2 -> 0, carteMaitresse, atoutMaitre, deductions.
void noterFinDePli(PartieIA& jeu);

} // namespace quarvel
