#pragma once
// A game on show: the game itself (a Partie, which holds no window) and the window model the
// presentation computes from it after each event, with what it last drew, the texts of the language
// in force, the layout, and the settings store and platform it talks to.
#include "fenetres/modele/disposition.h"
#include "fenetres/modele/fenetres.h"
#include "fenetres/modele/gestes.h"
#include "fenetres/modele/textes.h"
#include "partie/partie.h"

#include <memory>

namespace quarvel {

class MagasinReglages;
class Plateforme;

// What the presentation last drew of the game, so that it acts on what moved since.
struct DejaMontre {
    int donnesDistribuees = 0;
    int donnesFinies = 0;
    bool scoresVisibles = false;
    Tableau<int, 4> scoresGlobaux;
    Tableau<Carte, 4> pli; // the cards of the trick on the table
    Phase phase = Phase::AttentePremiereDonne;
};

// Where SUD's turn stands: advice asked at one moment holds until the game moves on.
struct Moment {
    int donnesDistribuees = 0;
    Phase phase = Phase::AttentePremiereDonne;
    int numeroPli = 0;
    int cartesJouees = 0;
    bool operator==(const Moment&) const = default;
};

// The play advice on show: SUD's card, or the six cards of his discard.
struct ConseilMontre {
    bool actif = false;
    Moment moment;
    int carte = 0; // hand slot
    Tableau<bool, 24> ecart;
};

// The arrows move a focus over what the table offers to play or press, Enter presses it. It
// shows from the first arrow on, and goes with a click on the table.
struct FocusClavier {
    bool montre = false;
    Evenement cible{Evt::ClicFond, 0}; // what Enter sends; kept from one turn to the next
};

struct Jeu : Partie {
    DejaMontre montre;
    Textes textes;
    Fenetres fen;
    double echelleH = 1.0;
    double echelleV = 1.0;
    Disposition disposition;

    ConseilMontre conseil;
    FocusClavier clavier;
    // The game just before SUD's last card, while that card may be taken back.
    std::shared_ptr<const Partie> reprise;

    MagasinReglages* magasin = nullptr;
    Plateforme* plateforme = nullptr;
};

} // namespace quarvel
