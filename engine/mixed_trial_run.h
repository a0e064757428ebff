#pragma once
// A run of 100000 simulated turns against enemies whose speeds differ: the simulated
// counterpart of ExactRatesForGroup.

#include <random>
#include <span>

#include "engine/run_counts.h"
#include "engine/trial_limits.h"

namespace kestavel {

// 100000 trials against one enemy per speed of `enemySpeeds`, the first listed being the
// first enemy. Each trial draws the five allies' factors first, then each enemy's own factor
// in the order listed; ties lose. With 0 or more than 9 speeds nothing is drawn and both
// counts are 0; the caller keeps each speed at least 1. Drawn one output at a time straight
// from the engine: the plain loop, which SimulateRunPlainly runs for a group of equal speeds.
RunCounts SimulateMixedRun(const double (&allySpeed)[kAllyCount], std::span<const double> enemySpeeds,
                           std::mt19937& engine);

}  // namespace kestavel
