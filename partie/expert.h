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
// Enough for the search to settle most choices, cheap enough for a table's pace on a phone.
constexpr int MONDES_EXPERT = 40;

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
// The Expert's bid for the seat to speak. The other hands and the dog are drawn many times,
// each draw fitting the bids already made as the rules would have made them; each bid the seat
// may still make, and PASSE, is played out in every draw (the rest of the bidding by the rules,
// the taker's discard, the cards at Pro) and the bid with the best mean of the seat's own points
// is made. PASSE when no contract beats passing.
Contrat enchereExpert(const Partie& jeu, Siege s, int mondes = MONDES_EXPERT);
// Called after each Expert decision with its thinking time in seconds, on the thread that made
// it (the arena's figures); null: nothing.
enum class DecisionExpert { Enchere, Carte };
using MesureExpert = void (*)(void* contexte, DecisionExpert decision, double secondes);
void observerExpert(MesureExpert mesure, void* contexte);
// The worlds the game's Expert draws at each decision: its own count (the arena, the monkey) or
// the default.
int mondesDuJeu(const Partie& jeu);
// A computer seat's bid at its level: the Expert's, or what its hand deserves.
Contrat enchereOrdinateur(const Partie& jeu, Siege s);
// A computer seat's card at its level: the Expert's search, or the rule pass.
int carteOrdinateur(Partie& jeu, Siege s);

} // namespace quarvel
