#pragma once
// A run of 100000 simulated turns against enemies whose speeds differ: the simulated
// counterpart of ExactRatesForGroup.

#include <span>

#include "engine/speed_simulator.h"

namespace kestavel {

// 100000 trials against one enemy per speed of `enemySpeeds`, the first listed being the
// first enemy. Each trial draws the five allies' factors first, then each enemy's own factor
// in the order listed. Leaves in `winsAll` the trials in which the best ally beat every
// enemy, in `winsFirst` those in which it beat the first enemy; ties lose. With 0 or more
// than 9 speeds nothing is drawn and both counts are 0; the caller keeps each speed at least
// 1. `enemyCount` is neither read nor changed. Drawn one output at a time straight from the
// engine: the plain loop, which RunTrialsPlain runs for a group of equal speeds.
void RunMixedTrials(SpeedSimulator& simulator, std::span<const double> enemySpeeds);

}  // namespace kestavel
