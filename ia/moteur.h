#pragma once
// The rule pass of the computer players.
#include "cartes/carte.h"
#include "cartes/tableau.h"
#include "ia/regles.h"

#include <cstdint>

namespace quarvel {

struct PartieIA;

struct RegleDeclenchee {
    int regle = 0;
    Siege siege = Siege::Aucun;
    bool operator==(const RegleDeclenchee&) const = default;
};

struct MoteurRegles {
    Tableau<int, 100> etatRegle;
    Tableau<bool, 100> regleAleatoire;
    bool decisionPrise = false;
    // The rule the pass is running, which noterRegle records; 0 outside a pass.
    int regleEnCours = 0;
    // At most one per computer card: 54 in a deal (64 leaves room when SUD is played too).
    Tableau<RegleDeclenchee, 80> reglesDeclenchees;
    int nbReglesDeclenchees = 0;
    // Level of SUD when a program plays his cards (the arena); -1: the computer seats' level.
    // Level 0 plays a legal card at random.
    int niveauSud = -1;
    // Worlds the Expert draws at each decision; 0: its default.
    int mondesExpert = 0;
    // The random state when each computer card began to be chosen, by trick and position in
    // the trick; 0 for a card chosen otherwise (the user's). Cleared with the knowledge.
    Tableau<Tableau<std::uint32_t, 4>, 18> grainesCartes;
    // Another rule table for the pass (tests); null: reglesJeu.
    const Tableau<FonctionRegle, 74>* autresRegles = nullptr;
    bool operator==(const MoteurRegles&) const = default;
};

constexpr int POIDS_MIN = 60;
constexpr int POIDS_MAX = 150;

// The slot a computer seat plays among its legal cards (cartesJouables), after the rule pass.
int jouerOrdinateur(PartieIA& jeu, Siege siege);
void choisirCarte(PartieIA& jeu, Siege siege);
void adapterPoids(PartieIA& jeu, bool preneurGagne);

int niveauMinimalRegle(int k); // 0 for the numbers no rule uses
bool regleFixe(int k);
int niveauDuSiege(const PartieIA& jeu, Siege siege);
// Position, W, B, the taker, the leader and the defenders, as the pass sees them.
ContexteDecision contexteDecision(const PartieIA& jeu, Siege siege);

// Engine services used by the rules. Slots are 1..18; AUCUN_SLOT means none.
bool regleApplicable(PartieIA& jeu, int k);
bool garderSeule(PartieIA& jeu, Siege siege, int slot);
void retirerCouleur(PartieIA& jeu, Siege siege, Couleur couleur);
void retirerCarte(PartieIA& jeu, Siege siege, Couleur couleur, int valeur);
// Records the running rule as the one that decided for the seat.
void noterRegle(PartieIA& jeu, Siege siege);
// A draw in 1..100 below n.
bool tirage(PartieIA& jeu, int n);

// Queries over the seat's candidates.
int plusPetiteCarteCouleur(const PartieIA& jeu, Siege s);
int plusPetitAtout(const PartieIA& jeu, Siege s);
int plusPetitAtoutImpair(const PartieIA& jeu, Siege s);
int plusPetitAtoutPair(const PartieIA& jeu, Siege s);
int plusHauteHonneur(const PartieIA& jeu, Siege s);
int roiGarde(const PartieIA& jeu, Siege s, Couleur c);
int petiteSousHonneur(const PartieIA& jeu, Siege s, Couleur c);
int nbCartesCouleur(const PartieIA& jeu, Siege s, Couleur c);
int atoutsMaitresTenus(const PartieIA& jeu, Siege s);
bool honneurVoisin(const PartieIA& jeu, Siege s, Couleur c, int v);
Siege gagnantActuel(const PartieIA& jeu, Siege s);
int carteQuiBat(const PartieIA& jeu, Siege s);
bool joueApres(Siege s, Siege t, int position);
// The slot of a card in the seat's hand, AUCUN_SLOT when not there (played or never held).
int slotDe(const PartieIA& jeu, Siege s, Couleur couleur, int valeur);

} // namespace quarvel
