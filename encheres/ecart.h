#pragma once
#include "cartes/carte.h"

namespace quarvel {

struct PartieEncheres;

// Neither a trump (the Excuse included) nor a Roi: the only cards a discard may hold.
bool ecartable(const Carte& c);

// The taker's hand and the dog merged into one sorted row of 24 (jeu.ecart.rangeeEcart).
void fusionnerRangee(PartieEncheres& jeu);
// The computer's choice on jeu.ecart (garderCarte 0 = set aside), without touching the deal;
// during the user's discard his selection is left as it is, so the positions set aside can be
// clicked.
void choisirEcartOrdinateur(PartieEncheres& jeu);
// The computer taker's whole discard; the knowledge is built by the caller.
void ecartOrdinateur(PartieEncheres& jeu);
// A discard chosen outside the game: the positions of the merged row (fusionnerRangee) set aside,
// six of them; the taker's hand is made of the rest.
void poserEcart(PartieEncheres& jeu, const Tableau<int, 24>& dansEcart);
// The computer taker's discard: the six cards imposed when they may go (ecartImpose), else its
// own choice.
void ecartOrdinateurOuImpose(PartieEncheres& jeu);
// The user's discard: the row of 24 cards.
void proposerEcart(PartieEncheres& jeu);
void choisirCarteEcart(PartieEncheres& jeu, int position);
// The user's six cards put aside, his hand made of the rest; false, and nothing done, unless
// the discard is on with six cards chosen.
bool ecarterSelection(PartieEncheres& jeu);
// Where each discard card came from: hand slot as dealt, or 18 + dog slot.
void calculerOrigineEcart(PartieEncheres& jeu);

} // namespace quarvel
