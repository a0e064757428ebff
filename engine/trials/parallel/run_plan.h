#pragma once
// Runs whose order is settled before the first starts. Every run takes a number of draws known
// from its enemy count alone, so each run's place in the engine's sequence is known beforehand:
// what lets them be done out of order, on several threads, with the counts of doing them in turn.

#include <cstdint>
#include <vector>

#include "engine/input_ranges.h"
#include "engine/trial_limits.h"

namespace kestavel {

// One run of 100000 trials: against enemies alike, or against a listed group.
struct PlannedRun {
    double enemySpeed = 0;  // every enemy's, when `listed` is empty
    int32_t enemyCount = 0;
    std::vector<double> listed{};  // one speed per enemy, the first enemy first (the mixed loop)

    int32_t Enemies() const { return listed.empty() ? enemyCount : static_cast<int32_t>(listed.size()); }
};

struct RunPlan {
    double allySpeed[kAllyCount] = {};
    std::vector<PlannedRun> runs;
};

// The engine outputs a run takes: one per actor per trial, and none for a count outside 1 to 9,
// which is refused before anything is drawn. NaN speeds, which the plain loop runs, take the same.
inline uint64_t DrawsOf(const PlannedRun& run) {
    const int32_t enemies = run.Enemies();
    if (!kEnemyCountRange.Holds(enemies)) return 0;
    return static_cast<uint64_t>(kTrialsPerRun) * static_cast<uint64_t>(kAllyCount + enemies);
}

}  // namespace kestavel
