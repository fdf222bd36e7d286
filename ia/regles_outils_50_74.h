#pragma once
// Small questions and actions of the defenders' leads, trump signals and default plays.
// Kept in their own namespace so that they never clash with the helpers of the other rules.
#include "donne/jeu.h"
#include "ia/regles.h"

namespace quarvel::outils74 {

// The suit i steps after r, suits counted 1..4 (i = 0 is r itself).
constexpr int couleurApres(int r, int i) {
    return (r - 1 + i) % 4 + 1;
}
constexpr bool estCouleurSimple(int c) {
    return c >= PIQUE && c <= CARREAU;
}

inline bool estDefenseur(const ContexteDecision& c) {
    return c.moi != c.T;
}
inline bool jEntame(const ContexteDecision& c) {
    return c.position == 1;
}
// A defender on lead: the frame of most rules here.
inline bool defenseurQuiEntame(const ContexteDecision& c) {
    return estDefenseur(c) && jEntame(c);
}

// The card the leader put in this trick (couleur -1 when I lead).
const Carte& carteEntame(const Jeu& jeu, const ContexteDecision& c);

// Whether the seat still holds the plain card (c, v).
bool tient(const Jeu& jeu, int siege, int couleur, int valeur);
// Whether the seat still holds the trump of value v (0 the Excuse, 1 the Petit).
bool tientAtout(const Jeu& jeu, int siege, int valeur);
// Whether the plain card has been played in this deal.
bool estJouee(const Jeu& jeu, int couleur, int valeur);
// Plain cards of suit c the seat still holds.
int cartesTenues(const Jeu& jeu, int siege, int couleur);
// Cards of suit c among the six of the dog as dealt.
int cartesAuChien(const Jeu& jeu, int couleur);

bool estCandidat(const Jeu& jeu, int siege, int slot);

// First candidate in hand order (slots 1..18) for which f(card) holds; -1 when none.
template <class F> int premierCandidat(const Jeu& jeu, int siege, F f) {
    for (int slot = 1; slot <= 18; ++slot)
        if (estCandidat(jeu, siege, slot) && f(jeu.donne.mains[siege][slot])) return slot;
    return -1;
}
// The same, scanning from the end (slots 18 down to 1).
template <class F> int dernierCandidat(const Jeu& jeu, int siege, F f) {
    for (int slot = 18; slot >= 1; --slot)
        if (estCandidat(jeu, siege, slot) && f(jeu.donne.mains[siege][slot])) return slot;
    return -1;
}

// Keeps the slot as my only candidate and records rule k; false when it is not a candidate.
bool decider(Jeu& jeu, const ContexteDecision& c, int k, int slot);
// Keeps a plain card I hold; false when I do not hold it or it is not a candidate.
bool garderCarte(Jeu& jeu, const ContexteDecision& c, int k, int couleur, int valeur);
// The first of the slots that is a candidate decides (the default plays: a card, else a trump).
bool deciderPremier(Jeu& jeu, const ContexteDecision& c, int k, int a, int b, int d = -1);

// The defenders' trump signal on lead: a small odd trump with seven trumps or more (and the
// seat becomes the signaller), else a small even one up to the 12.
void signalAtout(Jeu& jeu, const ContexteDecision& c, int k);

} // namespace quarvel::outils74
