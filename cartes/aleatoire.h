#pragma once
#include <cstdint>

namespace quarvel {

// Never seeded from the clock: a game can be replayed from its starting state.
constexpr std::uint32_t GRAINE_INITIALE = 0x51A7C0DEu;

// The single random source of a game: every shuffle, layout offset and AI draw comes from it,
// in the order the game makes them.
struct Aleatoire {
    std::uint32_t graine = GRAINE_INITIALE;

    // A whole number in 1..n.
    int operator()(int n) {
        graine = graine * 134775813u + 1u;
        return static_cast<int>(
                   (static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * graine) >> 32) +
               1;
    }
    bool operator==(const Aleatoire&) const = default;
};

} // namespace quarvel
