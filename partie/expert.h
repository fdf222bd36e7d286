#pragma once
// The Expert, level 5: at each of its cards it draws the cards it cannot see many times, each
// draw consistent with all it knows, plays every drawn deal out by the rules at Pro for each of
// its legal cards, and plays the card with the best mean for its side. It draws from its own
// random source, seeded from the deal and the decision, so the game's draws never move.
#include "cartes/aleatoire.h"
#include "cartes/donne.h"

#include <cstdint>

namespace quarvel {

struct Partie;

constexpr int NIVEAU_EXPERT = 5;
constexpr int MONDES_EXPERT = 20;

// Where each card lies in a drawn world, by card number: a seat's number (1..4), or 0 for the
// dog or the discard. Cards already played keep their seat.
struct Monde {
    Tableau<int, 78> lieu;
};

// Draws the cards the observer cannot see: each other seat gets as many as it holds, the dog or
// the discard six when the observer has not seen them, and no card goes where the observer
// knows it is not. False when no draw fits (it should not happen).
bool tirerMonde(const Partie& jeu, Siege observateur, Aleatoire& alea, Monde& m);
// The game of that world as it stands now: dealt, discarded and played again card for card,
// so that every seat knows what it would know. False when a card played could not be.
bool construireMonde(const Partie& jeu, const Monde& m, Partie& monde);

// The Expert's card for the seat to play, its turn opened. Leaves the game as it is.
int carteExpert(const Partie& jeu, Siege s, int mondes = MONDES_EXPERT);
// The same over worlds given (the tests).
int carteExpertDansMondes(const Partie& jeu, Siege s, const Monde* mondes, int n);
// Called after each Expert card with its thinking time in seconds, on the thread that played it
// (the arena's figures); null: nothing.
using MesureExpert = void (*)(void* contexte, double secondes);
void observerExpert(MesureExpert mesure, void* contexte);
// A computer seat's card at its level: the Expert's search, or the rule pass.
int carteOrdinateur(Partie& jeu, Siege s);

} // namespace quarvel
