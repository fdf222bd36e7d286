#pragma once
// The layout quantities the flow places cards with, as the table's layout worked them out.
#include "fenetres/modele/jeu.h"

#include <cmath>

namespace quarvel {

// Rounds as the layout does: a half goes to the even neighbour.
inline int arrondir(double x) {
    return static_cast<int>(std::nearbyint(x));
}

inline int largeurCarte(const Jeu& j) {
    return j.disposition.largeurCarte;
}
inline int hauteurCarte(const Jeu& j) {
    return j.disposition.hauteurCarte;
}
inline int margeMain(const Jeu& j) {
    return j.disposition.margeMain;
}
inline int pasMain(const Jeu& j) {
    return j.disposition.pasMain;
}
inline int pasEcart(const Jeu& j) {
    return j.disposition.pasEcart;
}
inline int hautMain(const Jeu& j) {
    return j.disposition.hautMain;
}
inline int gaucheChien(const Jeu& j) {
    return j.disposition.gaucheChien;
}
inline int hautChien(const Jeu& j) {
    return j.disposition.hautChien;
}
inline int leveeCarte(const Jeu& j) {
    return j.disposition.leveeCarte;
}
inline int largeurEcran(const Jeu& j) {
    return j.disposition.largeurEcran;
}
inline int hauteurEcran(const Jeu& j) {
    return j.disposition.hauteurEcran;
}
inline int unitePoignee(const Jeu& j) {
    return j.disposition.unitePoignee;
}

} // namespace quarvel
