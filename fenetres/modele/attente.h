#pragma once
// Settings routines of the window model, declared here until their own header lands.
namespace quarvel {
struct Jeu;
void sauverReglages(Jeu& jeu);
void appliquerOptions(Jeu& jeu);
} // namespace quarvel
