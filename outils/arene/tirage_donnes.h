#pragma once
// Deals that the arena's modes can replay: the random state of a deal comes from a seed and the
// deal's number alone, so the same deal can be played again at other levels.
#include "partie/donne_auto.h"

#include <cstdint>

namespace quarvel {
struct Jeu;
}

namespace quarvel::arene {

// A fresh game for whole deals played with no window: normal deals, weights at 100.
void preparerJeuAuto(Jeu& jeu);
// The random state of deal n from seed g (a mixing hash: neighbouring numbers give unrelated
// deals).
std::uint32_t etatDeLaDonne(std::uint32_t g, unsigned long long n);
// Sets the random source and the first speaker of deal n (seats take turns by deal number).
void placerDonne(Jeu& jeu, std::uint32_t etat, unsigned long long n);
// What SUD wins or pays in the running scores for the deal.
int scoreDeSud(const DonneAuto& r);

} // namespace quarvel::arene
