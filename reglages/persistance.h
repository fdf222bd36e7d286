#pragma once
// Reading and writing the settings variables in the settings store.
#include "reglages/magasin.h"
#include "reglages/reglages.h"

#include <string>
#include <vector>

namespace quarvel {

// Written in "version": the layout of the stored values.
constexpr int VERSION_REGLAGES = 1;

// Writes every value in order; false without a store or when the store refused any of them (nothing
// is lost in memory, the game goes on).
bool sauverReglages(Reglages& r, MagasinReglages* magasin);
// Writes "graineAleatoire" alone, as sauverReglages writes it.
bool sauverGraineAleatoire(const Reglages& r, MagasinReglages* magasin);
// Reads every value but "version"; a value missing, of another type or of another size leaves
// its variable as it was. Then the start values, the first-run defaults, and the options.
void chargerReglages(Reglages& r, MagasinReglages* magasin);
// Defaults in memory, then written.
void reglagesParDefaut(Reglages& r, MagasinReglages* magasin);
// Defaults in memory only (verif untouched).
void valeursParDefaut(Reglages& r);

// Names of the stored values in the order they are written.
std::vector<std::string> nomsReglages();

Octets octetsEntier(int valeur);   // 4 bytes, little-endian
Octets octetsBooleen(bool valeur); // 1 byte

} // namespace quarvel
