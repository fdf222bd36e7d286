#pragma once
// The timers that pace the game: the game state owns them, the view runs a real timer for each.
#include <cstdint>

namespace quarvel {

// The view restarts its own timer whenever `relances` moves.
struct Minuterie {
    bool enabled = false;
    int interval = 100;
    unsigned relances = 0;
    std::int64_t echeance = 0; // virtual time of the next firing, for the tests' clock

    void demarrer(std::int64_t maintenant) {
        enabled = true;
        ++relances;
        echeance = maintenant + interval;
    }
    void arreter() { enabled = false; }
    bool operator==(const Minuterie&) const = default;
};

// The computer bids, the seats' turns, the pause before a trick is gathered.
struct Minuteries {
    Minuterie TimerEnchere{false, 10};
    Minuterie TimerEntreCarte;
    Minuterie TimerTransition;
    bool operator==(const Minuteries&) const = default;
};

} // namespace quarvel
