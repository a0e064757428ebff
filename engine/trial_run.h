#pragma once
// A run of 100000 simulated turns against enemies alike.

#include <cstdint>
#include <random>

#include "engine/run_counts.h"
#include "engine/trial_limits.h"

namespace kestavel {

// 100000 trials against `enemyCount` enemies of speed `enemySpeed`, drawing from `engine`.
// Each trial draws the five allies' factors first, then the enemies' in order; ties lose. A
// count outside 1 to 9 draws nothing and gives 0 wins. Done by the active trial path
// (trials/trial_path.h); every path gives the same counts and leaves the engine at the same
// position, and the counts name the path that did the work.
RunCounts SimulateRun(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount,
                      std::mt19937& engine);

// The same run drawn one output at a time straight from the engine: the measure of the fast
// paths, and their stand-in where they cannot be exact.
RunCounts SimulateRunPlainly(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount,
                             std::mt19937& engine);

}  // namespace kestavel
