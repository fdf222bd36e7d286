#pragma once
// Writes the texts of the chosen language into every window, and the name tables.
namespace quarvel {

struct Jeu;

// Before the choice (langue 0) only the language-free texts are written.
void appliquerLangue(Jeu& jeu);

} // namespace quarvel
