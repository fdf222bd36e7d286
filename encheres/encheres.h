#pragma once
// The rules of the bidding: who speaks, what may be bid, who takes. The pace of it (a computer
// bid shown after the bidding timer, the bid bar) is the flow's.
#include "cartes/carte.h"

namespace quarvel {

struct PartieEncheres;

// The seat whose bid the deal waits for: from the first speaker, one per bid made; Siege::Aucun
// once all four have spoken.
Siege siegeQuiParle(const PartieEncheres& jeu);
// PASSE, or a contract above every bid so far.
bool enchereValable(const PartieEncheres& jeu, Contrat code);
// The seat's bid is made: PASSE when it is not valid. The turn passes on; after the fourth bid
// the bidding is closed.
void noterEnchere(PartieEncheres& jeu, Siege siege, Contrat code);
// The seat that bid last, with contrat set; premierParlant with 0 when all passed.
Siege trouverPreneur(PartieEncheres& jeu);

} // namespace quarvel
