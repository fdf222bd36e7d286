#pragma once
// A whole deal with no window and no human: every seat, SUD included, bids the contract its hand
// deserves and plays by the rule pass. For the arena and the benchmarks.
#include "cartes/donne.h"

#include <cstdint>

namespace quarvel {

struct Partie;

struct DonneAuto {
    Siege preneur = Siege::Aucun;
    Contrat contrat = PASSE;
    int score = 0;             // what the taker receives, as the score sheet counts it
    int donnesDistribuees = 0; // deals dealt until a seat took
    // The cards played are in the deal record (slotsJoues, entamesPlis), the random states
    // and the rules fired in the rule engine (grainesCartes, reglesDeclenchees).
};

// Seats played from outside the game (another program). Each question comes with the game as it
// stands; an answer the rules do not allow is replaced by the first legal choice.
class SiegesExternes {
public:
    virtual ~SiegesExternes() = default;
    virtual bool externe(Siege s) const = 0;
    // The cards are dealt (again, after four passes).
    virtual void donne(const Partie& jeu) = 0;
    // PASSE, or a bid above the best so far.
    virtual Contrat enchere(const Partie& jeu, Siege s) = 0;
    virtual void contrat(const Partie& jeu) = 0;
    // The taker's six cards among the merged row of 24 (jeu.ecart.rangeeEcart): 1 in dansEcart.
    virtual void ecart(const Partie& jeu, Siege s, Tableau<int, 24>& dansEcart) = 0;
    // Before the seat's first card, when it holds 10 trumps or more: the kind shown (0 none,
    // 1..3) and the hand slots of its cards.
    virtual int poignee(const Partie& jeu, Siege s, Tableau<int, 15>& slots) = 0;
    // The hand slot of the card, among those calculerJouables marked.
    virtual int carte(const Partie& jeu, Siege s) = 0;
    virtual void poigneeMontree(const Partie& jeu, Siege s, const Tableau<int, 15>& slots,
                                int taille) = 0;
    virtual void carteJouee(const Partie& jeu, Siege s, const Carte& c) = 0;
    virtual void pliRamasse(const Partie& jeu, Siege gagnant) = 0;
    virtual void fin(const Partie& jeu, const DonneAuto& r) = 0;
};

// Watches a deal seated by the rules alone: no seat is external and every callback does nothing.
// Derive and override what is to be watched or answered.
class TemoinDonne : public SiegesExternes {
public:
    bool externe(Siege) const override { return false; }
    void donne(const Partie&) override {}
    Contrat enchere(const Partie&, Siege) override { return PASSE; }
    void contrat(const Partie&) override {}
    void ecart(const Partie&, Siege, Tableau<int, 24>&) override {}
    int poignee(const Partie&, Siege, Tableau<int, 15>&) override { return 0; }
    int carte(const Partie&, Siege) override { return 0; }
    void poigneeMontree(const Partie&, Siege, const Tableau<int, 15>&, int) override {}
    void carteJouee(const Partie&, Siege, const Carte&) override {}
    void pliRamasse(const Partie&, Siege) override {}
    void fin(const Partie&, const DonneAuto&) override {}
};

// The bidding round from the seat to speak to its end: each computer seat bids at its level,
// an external seat its own choice; a bid that does not beat the best so far passes. Returns
// whether a seat took.
bool finirEncheres(Partie& jeu, SiegesExternes* externes = nullptr);
// Once a seat took: the first trick opened by the first speaker and, when the dog is shown, the
// taker's discard made (the computer's, or an external taker's).
void commencerJeu(Partie& jeu, SiegesExternes* externes = nullptr);

// Deals until a seat takes, discards for the taker, plays the 18 tricks and scores the deal.
// The weights adapt after the deal, as in the game. Returns the result in r. The seats that
// `externes` names are asked their choices instead of the rules.
void jouerDonneAuto(Partie& jeu, DonneAuto& r, SiegesExternes* externes = nullptr);

} // namespace quarvel
