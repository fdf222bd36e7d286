#pragma once
// Per-deal state of the bidding, the discard and the handful, kept beside the deal record.
#include "cartes/donne.h"

#include <cstdint>

namespace quarvel {

struct EtatEncheres {
    Contrat meilleureEnchere = PASSE;
    int nbEncheres = 0;
    Siege siegeEnAttente = Siege::Aucun;  // a computer seat has chosen; the timer shows it
    Contrat enchereEnAttente = PAS_PARLE; // and what it chose
    int etapesTimer = 0;         // the bidding timer's step counter, cleared by each new deal
    bool enchereRefusee = false; // the user tried a bid that does not beat the best one
    bool operator==(const EtatEncheres&) const = default;
};

struct EtatEcart {
    Tableau<Carte, 24> rangeeEcart;
    Tableau<int, 24> sourceRangee;  // hand slot 1..18, or 18 + dog slot
    Tableau<int, 18> selectionMain; // user's discard: chosen hand slots
    Tableau<int, 6> selectionChien; // user's discard: chosen dog slots
    Tableau<int, 24> garderCarte;   // computer's discard: 1 stays in the hand
    int nbEcartees = 0;
    Tableau<int, 6> origineEcart{{-1, -1, -1, -1, -1, -1}};
    bool chienLeveParClic = false; // the dog was taken up by a click on one of its cards
    bool ecartImpose = false;      // a computer taker's discard chosen outside the game
    Tableau<Carte, 6> cartesImposees;
    Tableau<int, 6> hauteursChien;   // uneven heights of the dog on show, 1..3 units
    Tableau<int, 24> hauteursRangee; // uneven heights of the discard row, 1..3 pixels
    bool operator==(const EtatEcart&) const = default;
};

struct EtatPoignee {
    int nbSelectionPoignee = 0;
    Tableau<int, 18> selectionPoignee;
    // How much lower each card of the dialog sits, drawn at random as the dialog opens.
    Tableau<int, 18> decalagesPoignee;
    // The handful shown this deal: by whom, and the hand slots of its cards (bit i).
    Siege montreePar = Siege::Aucun;
    std::uint32_t slotsMontres = 0;
    bool operator==(const EtatPoignee&) const = default;
};

} // namespace quarvel
