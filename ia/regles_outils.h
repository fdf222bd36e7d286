#pragma once
// Small questions and actions shared by the play rules.
#include "ia/partie_ia.h"
#include "ia/regles.h"

namespace quarvel {

// Many rules walk the four plain suits from a suit r drawn at random, wrapping 4 to 1: some try
// r first, others begin with the suit after it and try r last.
enum class Depart { Tiree, ApresTiree };

// The suit walk from r without a draw: f(s) on each suit in turn until f accepts one, which is
// returned; AUCUNE when f accepted none.
template <class F> Couleur premiereCouleurDepuis(Couleur r, Depart depart, F f) {
    const int premier = depart == Depart::Tiree ? 0 : 1;
    for (int i = premier; i < premier + 4; ++i) {
        const Couleur s = couleurApres(r, i);
        if (f(s)) return s;
    }
    return AUCUNE;
}
// The same from r drawn now: one draw in 1..4, made on the call (so only where the rule's frame
// holds).
template <class F> Couleur premiereCouleurAuHasard(PartieIA& jeu, Depart depart, F f) {
    return premiereCouleurDepuis(couleurNumero(jeu.alea(4)), depart, f);
}
// f(s) on each of the four suits, from r drawn now.
template <class F> void pourChaqueCouleurAuHasard(PartieIA& jeu, Depart depart, F f) {
    premiereCouleurAuHasard(jeu, depart, [&f](Couleur s) {
        f(s);
        return false;
    });
}

// Tricks left to play, the current one included.
int plisRestants(const PartieIA& jeu);

// The card a seat has put in the current trick; couleur -1 while it has not played.
const Carte& carteDe(const PartieIA& jeu, Siege siege);
// The card of the leader of the trick (couleur -1 when I lead).
const Carte& carteEntame(const PartieIA& jeu, const ContexteDecision& c);

inline bool estDefenseur(const ContexteDecision& c) {
    return c.moi != c.T;
}
inline bool jEntame(const ContexteDecision& c) {
    return c.position == 1;
}
// A defender on lead: the frame of most of the defenders' rules.
inline bool defenseurQuiEntame(const ContexteDecision& c) {
    return estDefenseur(c) && jEntame(c);
}
bool preneurAJoue(const ContexteDecision& c);
bool preneurJoueApres(const ContexteDecision& c);

// Whether the seat still holds the card (suit 0: the Excuse is value 0, the Petit value 1).
bool tient(const PartieIA& jeu, Siege siege, Couleur couleur, int valeur);
// Whether the card has been played in this deal.
bool estJouee(const PartieIA& jeu, Couleur couleur, int valeur);
// The seat holds the master card of suit c (the highest not yet gone).
bool tientMaitresse(const PartieIA& jeu, Siege siege, Couleur c);
// Plain cards of suit c the seat still holds.
int cartesTenues(const PartieIA& jeu, Siege siege, Couleur c);
// Cards of suit c among the six of the dog as dealt.
int cartesAuChien(const PartieIA& jeu, Couleur c);
int nbDefenseursSansAtout(const PartieIA& jeu);

inline bool estCandidat(const PartieIA& jeu, Siege siege, int slot) {
    return slot >= 1 && slot <= 18 && jeu.donne.cartesJouables[siege][slot] == 1;
}
inline const Carte& carteMain(const PartieIA& jeu, Siege siege, int slot) {
    return jeu.donne.mains[siege][slot];
}

// First candidate in hand order (slots 1..18) for which f(card) holds; AUCUN_SLOT when none.
template <class F> int premierCandidat(const PartieIA& jeu, Siege siege, F f) {
    for (int slot : SLOTS)
        if (estCandidat(jeu, siege, slot) && f(carteMain(jeu, siege, slot))) return slot;
    return AUCUN_SLOT;
}
// The same scanning from the end (slots 18 down to 1).
template <class F> int dernierCandidat(const PartieIA& jeu, Siege siege, F f) {
    for (int slot = 18; slot >= 1; --slot)
        if (estCandidat(jeu, siege, slot) && f(carteMain(jeu, siege, slot))) return slot;
    return AUCUN_SLOT;
}

// Keeps the slot as the only candidate and records the running rule; false when it is not a
// candidate.
bool decider(PartieIA& jeu, const ContexteDecision& c, int slot);
// Keeps a card I hold; false when I do not hold it or it is not a candidate.
bool garderCarte(PartieIA& jeu, const ContexteDecision& c, Couleur couleur, int valeur);
// The default plays: the first of the slots that is not AUCUN_SLOT decides (a card, else a
// trump...).
bool deciderPremier(PartieIA& jeu, const ContexteDecision& c, int a, int b, int d = AUCUN_SLOT);
// Drops every candidate for which f(card) holds, one by one (the last candidate always stays).
template <class F> void retirerSi(PartieIA& jeu, Siege siege, F f) {
    for (int slot : SLOTS) {
        const Carte& carte = carteMain(jeu, siege, slot);
        if (estCandidat(jeu, siege, slot) && f(carte))
            retirerCarte(jeu, siege, carte.couleur, carte.valeur);
    }
}

// The defenders' trump signal on lead: a small odd trump with seven trumps or more (and the
// seat becomes the signaller), else a small even one up to the 12.
void signalAtout(PartieIA& jeu, const ContexteDecision& c);

} // namespace quarvel
