#pragma once
namespace quarvel {

struct Jeu;

// At the user's first card: the offer panel when he holds 10 trumps or more.
void proposerPoignee(Jeu& jeu);
// Kind 1 simple, 2 double, 3 triple: the selection dialog, its cards placed at random.
void ouvrirPoignee(Jeu& jeu, int type);
// "No handful" in the offer panel.
void refuserPoignee(Jeu& jeu);
// A trump of the dialog taken or put back; false for the Excuse when the kind does not need it.
bool choisirCartePoignee(Jeu& jeu, int slot);
void boutonParesseux(Jeu& jeu);
void validerPoignee(Jeu& jeu);
void annulerPoignee(Jeu& jeu);
void fermerPoignee(Jeu& jeu);
// Trumps needed for a kind: 10, 13 or 15.
int taillePoignee(int type);
// Trumps of the user's hand, the Excuse counted: they are its first slots.
int atoutsSud(const Jeu& jeu);

} // namespace quarvel
