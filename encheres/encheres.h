#pragma once
#include "cartes/carte.h"

namespace quarvel {

struct PartieEncheres;

// Lets a seat speak: a computer bid waits for the bidding timer, the user gets the bid bar.
void etapeEnchere(PartieEncheres& jeu, Siege siege);
// Tick of TimerEnchere: shows the pending computer bid and passes the turn on.
void tickEnchere(PartieEncheres& jeu);
// A bid chosen outside the game for the computer seat whose bid waits for the timer: PASSE, or
// above every bid before it; anything else passes.
void imposerEnchere(PartieEncheres& jeu, Contrat code);
// The user's bid, PASSE to GARDE CONTRE.
void enchereJoueur(PartieEncheres& jeu, Contrat code);
void finEncheres(PartieEncheres& jeu);
// The seat that bid last, with contrat set; premierParlant with 0 when all passed.
Siege trouverPreneur(PartieEncheres& jeu);

} // namespace quarvel
