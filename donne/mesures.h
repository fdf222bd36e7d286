#pragma once
// The layout quantities the flow needs to place cards, derived from the scale and the laid-out
// controls so that they always agree with the window.
#include "donne/jeu.h"

#include <cmath>

namespace quarvel {

// Rounds as the layout does: a half goes to the even neighbour.
inline int arrondir(double x) {
    return static_cast<int>(std::nearbyint(x));
}

inline int largeurCarte(const Jeu& j) {
    return arrondir(90 * j.echelleH);
}
inline int hauteurCarte(const Jeu& j) {
    return arrondir(150 * j.echelleV);
}
inline int margeMain(const Jeu& j) {
    return arrondir(20 * j.echelleH);
}
inline int pasMain(const Jeu& j) {
    return arrondir(40 * j.echelleH);
}
inline int pasEcart(const Jeu& j) {
    return arrondir(30 * j.echelleH);
}
inline int hautMain(const Jeu& j) {
    return j.fen.frmQuarvel.BarreEnchere.geo.bottom() + arrondir(10 * j.echelleV);
}
inline int gaucheChien(const Jeu& j) {
    return j.fen.frmQuarvel.fenetre.geo.width / 3;
}
inline int hautChien(const Jeu& j) {
    const Rect& t = j.fen.frmQuarvel.TableRonde.geo;
    return t.top + t.height / 2;
}
inline int leveeCarte(const Jeu& j) {
    return arrondir(20 * j.echelleV);
}
// The scale factors are the screen's size over 800 x 600.
inline int largeurEcran(const Jeu& j) {
    return arrondir(800 * j.echelleH);
}
inline int hauteurEcran(const Jeu& j) {
    return arrondir(600 * j.echelleV);
}
inline int unitePoignee(const Jeu& j) {
    return static_cast<int>(15 * j.echelleH);
}

} // namespace quarvel
