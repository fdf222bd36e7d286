#pragma once
// The cards of the tests, by short names, and hands built from them.
#include "cartes/donne.h"

#include <initializer_list>
#include <ostream>

namespace quarvel {

// Seats, contracts and suits print as their numbers in the tests' messages.
inline std::ostream& operator<<(std::ostream& o, Siege s) {
    return o << entier(s);
}
inline std::ostream& operator<<(std::ostream& o, Contrat c) {
    return o << entier(c);
}
inline std::ostream& operator<<(std::ostream& o, Couleur c) {
    return o << entier(c);
}

} // namespace quarvel

namespace quarvel::test {

// Short names, so that a hand or a trick reads like a card diagram.
inline constexpr Carte A(int v) {
    return {v, ATOUT, true};
}
inline constexpr Carte P(int v) {
    return {v, PIQUE, true};
}
inline constexpr Carte Co(int v) {
    return {v, COEUR, true};
}
inline constexpr Carte Tr(int v) {
    return {v, TREFLE, true};
}
inline constexpr Carte Ca(int v) {
    return {v, CARREAU, true};
}
inline constexpr Carte EXC{EXCUSE, ATOUT, true};

// A hand from up to 18 cards, in the order given; the missing slots stay empty records.
inline MainJoueur mainDe(std::initializer_list<Carte> cartes) {
    MainJoueur m;
    int i = 1;
    for (const Carte& c : cartes) m[i++] = c;
    return m;
}

} // namespace quarvel::test
