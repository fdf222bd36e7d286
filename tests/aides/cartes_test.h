#pragma once
// Short card constructors for writing hands in tests.
#include "cartes/donne.h"

#include <initializer_list>

namespace quarvel::test {

inline Carte atout(int v) {
    return {v, ATOUT, true};
}
inline Carte excuse() {
    return {EXCUSE, ATOUT, true};
}
inline Carte pique(int v) {
    return {v, PIQUE, true};
}
inline Carte coeur(int v) {
    return {v, COEUR, true};
}
inline Carte trefle(int v) {
    return {v, TREFLE, true};
}
inline Carte carreau(int v) {
    return {v, CARREAU, true};
}

// A hand from up to 18 cards, in the order given; the missing slots stay empty records.
inline MainJoueur mainDe(std::initializer_list<Carte> cartes) {
    MainJoueur m;
    int i = 1;
    for (const Carte& c : cartes) m[i++] = c;
    return m;
}

} // namespace quarvel::test
