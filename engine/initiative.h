#pragma once
// An actor's initiative in a trial: its speed times a factor in [0.6, 1.0) drawn from the one
// random engine, and the party's best speed, which decides how fast an enemy can be and still
// lose.

#include <algorithm>
#include <cstdint>
#include <random>

#include "engine/trial_limits.h"

namespace kestavel {

// A factor in [0.6, 1.0): exactly one engine output r, as ((r * 2^-32) * 0.4) + 0.6.
inline double InitiativeFactorOf(uint32_t r) { return ((static_cast<double>(r) * 0x1p-32) * 0.4) + 0.6; }

// Takes exactly one output from `engine`.
inline double DrawInitiativeFactor(std::mt19937& engine) { return InitiativeFactorOf(static_cast<uint32_t>(engine())); }

// The largest of 0 and the five ally speeds: the party's best speed.
inline double BestAllySpeed(const double (&allySpeed)[kAllyCount]) {
    double best = 0;
    for (double speed : allySpeed) best = std::max(best, speed);
    return best;
}

}  // namespace kestavel
