#pragma once
// One number for everything the windows show, so that a change in the code that moves what a
// user sees after some gesture cannot go unnoticed.
#include <cstdint>

namespace quarvel {

struct Jeu;

// FNV-1a (by words for numbers) over every field of every window the view copies onto its widgets,
// timers included.
std::uint64_t empreinteFenetres(const Jeu& jeu);

} // namespace quarvel
