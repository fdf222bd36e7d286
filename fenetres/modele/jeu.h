#pragma once
// A game on show: the game itself (a Partie, which holds no window) and the window model the
// presentation computes from it, with the texts of the language in force, the layout, and the
// settings store and platform it talks to.
#include "fenetres/modele/disposition.h"
#include "fenetres/modele/fenetres.h"
#include "fenetres/modele/textes.h"
#include "partie/partie.h"

namespace quarvel {

class MagasinReglages;
class Plateforme;

struct Jeu : Partie {
    Textes textes;
    Fenetres fen;
    double echelleH = 1.0;
    double echelleV = 1.0;
    Disposition disposition;

    MagasinReglages* magasin = nullptr;
    Plateforme* plateforme = nullptr;
};

} // namespace quarvel
