#pragma once
#include "cartes/carte.h"

#include <cstdint>

namespace quarvel {

struct PartieEncheres;

// Neither a trump (the Excuse included) nor a Roi: the only cards a discard may hold.
bool ecartable(const Carte& c);

// The taker's hand and the dog merged into one sorted row of 24 (jeu.ecart.rangeeEcart).
void fusionnerRangee(PartieEncheres& jeu);
// The positions of that row whose card may go to the discard (bit p), without touching the game.
std::uint32_t positionsEcartables(const PartieEncheres& jeu);
// The computer's choice on jeu.ecart (garderCarte 0 = set aside), without touching the deal;
// during the user's discard his selection is left as it is, so the positions set aside can be
// clicked.
void choisirEcartOrdinateur(PartieEncheres& jeu);
// The computer taker's discard as positions of the merged row (bit p): the six cards imposed
// when they may go (ecartImpose), else its own choice.
std::uint32_t ecartOrdinateur(PartieEncheres& jeu);
// A discard made: the positions of the merged row (fusionnerRangee) set aside, six of them; the
// taker's hand is made of the rest.
void poserEcart(PartieEncheres& jeu, std::uint32_t positions);
// The user's discard: the row of 24 cards.
void proposerEcart(PartieEncheres& jeu);
void choisirCarteEcart(PartieEncheres& jeu, int position);
// The user's discard as chosen so far, as positions of the merged row (bit p).
std::uint32_t selectionEcart(const PartieEncheres& jeu);
// Where each discard card came from: hand slot as dealt, or 18 + dog slot.
void calculerOrigineEcart(PartieEncheres& jeu);

} // namespace quarvel
