#pragma once
// The monkey: random gestures on the whole game, with the invariants checked after each one.
#include <cstdint>
#include <iosfwd>
#include <string>

namespace quarvel {

struct Jeu;

// Empty when the game is sound; otherwise what is wrong, in one line.
std::string verifierInvariants(const Jeu& jeu);

struct OptionsSinge {
    std::uint32_t graine = 1;
    long gestes = 10000;
    bool arreterAuPremierEchec = true;
    std::ostream* journal = nullptr; // failures are written here with seed and gesture
    bool empreinte = false;          // fold the windows' digest after every gesture
    int niveau = 0; // 1..5: the game held at that level, its level gestures choosing it again
};

struct ResultatSinge {
    long gestes = 0;
    long donnes = 0; // deals played to their last trick
    long echecs = 0;
    long relances = 0;   // times the program was quit and started again
    long challenges = 0; // series played to their end
    long inscrits = 0;   // of which entered a high-score table
    std::string premierEchec;
    std::uint64_t empreinte = 0; // of the windows after each gesture, when asked for
};

ResultatSinge lancerSinge(const OptionsSinge& options);

} // namespace quarvel
