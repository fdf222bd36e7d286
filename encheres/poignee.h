#pragma once
#include <cstdint>

namespace quarvel {

struct PartieEncheres;

// At the user's first card: the offer panel when he holds 10 trumps or more.
void proposerPoignee(PartieEncheres& jeu);
// Kind 1 simple, 2 double, 3 triple: the selection dialog, its cards placed at random, each
// lower by up to a quarter of the dialog's unit.
void ouvrirPoignee(PartieEncheres& jeu, int type, int unite);
// A trump of the dialog taken or put back; false for the Excuse when the kind does not need it.
bool choisirCartePoignee(PartieEncheres& jeu, int slot);
void boutonParesseux(PartieEncheres& jeu);
// The trumps chosen in the dialog, as hand slots (bit i).
std::uint32_t selectionPoigneeSud(const PartieEncheres& jeu);
void annulerPoignee(PartieEncheres& jeu);
void fermerPoignee(PartieEncheres& jeu);
// Trumps needed for a kind: 10, 13 or 15.
int taillePoignee(int type);
// Trumps of the user's hand, the Excuse counted: they are its first slots.
int atoutsSud(const PartieEncheres& jeu);

} // namespace quarvel
