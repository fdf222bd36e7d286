#pragma once
// The virtual clock that tests and the arena use in place of real timers.
namespace quarvel {

struct Jeu;

// Moves jeu.maintenant to the earliest due timer among the enabled ones and fires it; false when
// no timer is enabled. Timers due at the same moment fire in a fixed order: TimerEnchere,
// TimerEntreCarte, TimerTransition, timerTousPlis.
bool avancerHorloge(Jeu& jeu);

} // namespace quarvel
