#pragma once
#include <cstdint>

namespace quarvel {

// Never seeded from the clock: a game can be replayed from its starting state.
constexpr std::uint32_t GRAINE_INITIALE = 0x51A7C0DEu;

// The single random source of a game: every shuffle, layout offset and AI draw comes from it,
// in the order the game makes them.
struct Aleatoire {
    static constexpr std::uint32_t MULTIPLICATEUR = 134775813u;
    static constexpr std::uint32_t INCREMENT = 1u;

    std::uint32_t graine = GRAINE_INITIALE;

    // The whole number in 1..n that a state gives.
    static constexpr int tirageDe(std::uint32_t etat, int n) {
        return static_cast<int>(
                   (static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * etat) >> 32) +
               1;
    }
    // A whole number in 1..n.
    int operator()(int n) {
        graine = graine * MULTIPLICATEUR + INCREMENT;
        return tirageDe(graine, n);
    }
    bool operator==(const Aleatoire&) const = default;
};

// k steps of the source at once: the state after them is a * state + c. Draws that do not hang
// on each other can so be made side by side, the same numbers in the same order.
struct SautAleatoire {
    std::uint32_t a = 1, c = 0;
};
constexpr SautAleatoire sautAleatoire(int k) {
    SautAleatoire s;
    for (int i = 0; i < k; ++i) {
        s.a *= Aleatoire::MULTIPLICATEUR;
        s.c = s.c * Aleatoire::MULTIPLICATEUR + Aleatoire::INCREMENT;
    }
    return s;
}

} // namespace quarvel
