#pragma once
// A game on show: the game itself (a Partie, which holds no window) and the window model the
// presentation computes from it after each event, with what it last drew, the texts of the language
// in force, the layout, and the settings store and platform it talks to.
#include "fenetres/modele/disposition.h"
#include "fenetres/modele/fenetres.h"
#include "fenetres/modele/textes.h"
#include "partie/partie.h"

namespace quarvel {

class MagasinReglages;
class Plateforme;

// What the presentation last drew of the game, so that it acts on what moved since.
struct DejaMontre {
    int donnesDistribuees = 0;
    int donnesFinies = 0;
    bool scoresVisibles = false;
    Tableau<int, 4> scoresGlobaux;
};

struct Jeu : Partie {
    DejaMontre montre;
    Textes textes;
    Fenetres fen;
    double echelleH = 1.0;
    double echelleV = 1.0;
    Disposition disposition;

    MagasinReglages* magasin = nullptr;
    Plateforme* plateforme = nullptr;
};

} // namespace quarvel
