#pragma once
#include "cartes/carte.h"

#include <cassert>
#include <cstdint>

namespace quarvel {

using MainJoueur = Tableau<Carte, 18>;
using Chien = Tableau<Carte, 6>;

struct Pli {
    Tableau<Carte, 4> cartes; // by seat; couleur -1 while the seat has not played
    Siege entame = SUD;       // the leader, then the winner once the trick is complete
    int nbCartesJouees = 0;
    Couleur couleurDemandee = AUCUNE;
    int valeurEntame = 0;
    int atoutMax = 0; // highest trump put down after the first card
    bool operator==(const Pli&) const = default;
};

// Why a card may be played, as the trick rules found it; the values are those of the records.
enum class Raison : int {
    Suit = -1,     // follows the suit asked, or is the Excuse
    Libre = 0,     // leads, or follows a led Excuse
    Coupe = 1,     // void in the suit asked: must trump
    Surcoupe = 2,  // must overtrump
    SousCoupe = 3, // holds no trump above the highest on the table
    Defausse = 4,  // neither the suit asked nor a trump
    SansAtout = 5, // trumps asked, none held
};

struct RaisonJouable {
    Raison code = Raison::Suit;
    int valeur = 0;
    Couleur couleur = ATOUT; // the suit the reason is about
    bool operator==(const RaisonJouable&) const = default;
};

// Where the deal stands: what the next gesture or tick may do.
enum class Phase {
    AttentePremiereDonne, // only the start button acts
    Encheres,             // a computer seat's bid comes with the bidding timer
    EnchereSud,           // the bid bar waits for the user
    EncheresCloses,       // all have spoken: a click names the taker, or deals again if all passed
    ChienMontre,          // a click takes the dog up
    Ecart,                // the user picks the six cards of his discard
    AttenteJeu,           // a guard without or against the dog: a click starts the play
    JeuEnCours,           // the card timer brings the next seat's turn
    TourSud,              // the user is to play a card
    OffrePoignee,         // before his first card, the handful buttons wait
    ChoixPoignee,         // the handful dialog is open
    PliARamasser,         // a click, or the pause timer, gathers the trick
    DernierPli,           // the deal is over, its last trick still on the table
    DonneFinie,           // the deal is over and gathered
    DonneBloquee,         // a computer seat had no legal card: only a new deal goes on
};

// The deal in progress; one per game.
struct Donne {
    bool donneRejouee = false;
    std::uint32_t numero = 0;    // the random state the deal was dealt from: dealt again from it,
                                 // under the same hand-strength options, it gives the same cards
    Siege premierParlant = NORD; // so that the first deal is opened by OUEST
    Tableau<MainJoueur, 4> mains;
    Chien chien;
    Tableau<MainJoueur, 4> mainsDonnees;
    Chien chienDonne;
    Tableau<Contrat, 4> encheresMeritees;
    Tableau<Contrat, 4> encheresAnnoncees{{PAS_PARLE, PAS_PARLE, PAS_PARLE, PAS_PARLE}};
    Siege preneur = Siege::Aucun;
    Contrat contrat = PASSE;
    Pli pli;
    Siege joueurCourant = SUD;
    int numeroPli = 0;
    Tableau<Tableau<int, 18>, 4> cartesJouables;
    Tableau<Tableau<RaisonJouable, 18>, 4> raisonsJouables;
    Tableau<Tableau<int, 18>, 4> slotsJoues;
    Tableau<Siege, 18> entamesPlis;
    Tableau<int, 18> hauteursMain; // uneven heights of the user's cards, 0..2 units
    int pointsPreneur = 0;         // half points
    int pointsDefense = 0;
    int boutsPreneur = 0;
    int boutsDefense = 0;
    int pointsContrat = 0;
    int petitAuBout = 0;
    int poignee = 0;
    Phase phase = Phase::AttentePremiereDonne;
    bool operator==(const Donne&) const = default;
};

// The moves a deal may make from one phase to the next. A new deal may start from anywhere.
constexpr bool mouvementPermis(Phase de, Phase vers) {
    using P = Phase;
    if (vers == P::Encheres) return true;
    switch (de) {
    case P::Encheres:
        return vers == P::EnchereSud || vers == P::EncheresCloses;
    case P::EnchereSud:
        return vers == P::EncheresCloses;
    case P::EncheresCloses:
        return vers == P::ChienMontre || vers == P::AttenteJeu; // guard without or against
    case P::ChienMontre:
        return vers == P::Ecart || vers == P::AttenteJeu; // the user's discard, or a computer's
    case P::Ecart:
        return vers == P::AttenteJeu;
    case P::AttenteJeu:
        return vers == P::JeuEnCours;
    case P::JeuEnCours:
        return vers == P::JeuEnCours || vers == P::TourSud || vers == P::PliARamasser ||
               vers == P::DernierPli || vers == P::DonneBloquee;
    case P::TourSud:
        return vers == P::JeuEnCours || vers == P::OffrePoignee;
    case P::OffrePoignee:
        return vers == P::TourSud || vers == P::ChoixPoignee;
    case P::ChoixPoignee:
        return vers == P::TourSud;
    case P::PliARamasser:
        return vers == P::JeuEnCours;
    case P::DernierPli:
        return vers == P::DonneFinie;
    default:
        return false;
    }
}

// Every change of phase goes through here; a move outside the table is a fault of the flow.
constexpr void passerA(Donne& d, Phase vers) {
    assert(mouvementPermis(d.phase, vers));
    d.phase = vers;
}

// The last trick has been counted.
constexpr bool donneTerminee(Phase p) {
    return p == Phase::DernierPli || p == Phase::DonneFinie;
}

// A go-on click moves the deal (the dog on show takes its own).
constexpr bool clicPourContinuer(Phase p) {
    return p == Phase::EncheresCloses || p == Phase::AttenteJeu || p == Phase::PliARamasser ||
           p == Phase::DernierPli;
}

// The user holds the turn: his card, or first the handful he may show.
constexpr bool sudALaMain(Phase p) {
    return p == Phase::TourSud || p == Phase::OffrePoignee || p == Phase::ChoixPoignee;
}

const char* nomPhase(Phase p);

constexpr bool estPreneur(const Donne& d, Siege s) {
    return s == d.preneur;
}

// The contracts whose dog is turned over for all to see, and then discarded by the taker.
constexpr bool chienRetourne(const Donne& d) {
    return d.contrat == PRISE || d.contrat == GARDE;
}

} // namespace quarvel
