#pragma once
// The rules of a deal in one place: whose choice the deal waits for, the choices the rules allow
// that seat, and making one. The timed flow of the program, the deals played whole by the rules,
// the advice and the search all move a deal through here, and the window layer asks here whether
// a gesture is allowed. Nothing here draws a layout offset or starts a timer: the flow does.
#include "cartes/donne.h"

#include <cstdint>

namespace quarvel {

struct Partie;

// One choice of a seat.
struct Action {
    enum class Genre : std::uint8_t { Enchere, Ecart, Poignee, Carte };
    Genre genre = Genre::Carte;
    Siege siege = Siege::Aucun;
    Contrat contrat = PASSE; // a bid
    int valeur = 0;          // a card: its hand slot; a handful: its kind (1..3, 0 none)
    // A discard: the positions of the merged row of 24 set aside (bit p); a handful: the hand
    // slots shown (bit i).
    std::uint32_t cartes = 0;

    static Action enchere(Siege s, Contrat c) { return {Genre::Enchere, s, c, 0, 0}; }
    static Action ecart(Siege s, std::uint32_t positions) {
        return {Genre::Ecart, s, PASSE, 0, positions};
    }
    static Action poignee(Siege s, int type, std::uint32_t slots) {
        return {Genre::Poignee, s, PASSE, type, slots};
    }
    static Action carte(Siege s, int slot) { return {Genre::Carte, s, PASSE, slot, 0}; }
    bool operator==(const Action&) const = default;
};

// What the deal waits for.
enum class Choix { Aucun, Enchere, Ecart, Poignee, Carte };
struct Tour {
    Choix choix = Choix::Aucun;
    Siege siege = Siege::Aucun;
};
// Choix::Aucun while the deal is between two choices: a computer bid on show, the bidding
// closed, play about to start, a trick to gather, the deal over. A seat's card turn is opened
// (ouvrirTour) before its cards are asked for.
Tour tour(const Partie& jeu);

// The choices the rules allow the seat to act: its bids, or its cards (once its turn is opened).
// A discard is any six of the positions in `ecartables`; a handful, what estLegale accepts.
struct ActionsLegales {
    Tableau<Action, 18> liste;
    int nombre = 0;
    std::uint32_t ecartables = 0;
};
ActionsLegales actionsLegales(const Partie& jeu);
bool estLegale(const Partie& jeu, const Action& a);

// Makes a legal choice: a bid passes the turn on (closing the bidding after the fourth); a
// discard builds what each seat knows and leaves play to start; a card is put down, and the
// fourth one scores the trick. Anything the rules do not allow is ignored.
void appliquer(Partie& jeu, const Action& a);

// The four have spoken: the taker is named. At PRISE and GARDE the dog is on show for him to
// take up; at GARDE SANS and GARDE CONTRE play is about to start. Returns false when all
// passed: the flow deals again.
bool conclureEncheres(Partie& jeu);
// The seat to play is computed what it may play (donne.cartesJouables).
void ouvrirTour(Partie& jeu);
// The trick on the table is gathered; play goes on, or the deal is over.
void ramasserPli(Partie& jeu);

// Plays the rest of the deal from where it stands, every seat by the rules, and returns what
// the taker receives. Makes no allocation.
int jouerReste(Partie& jeu);

} // namespace quarvel
