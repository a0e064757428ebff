#pragma once
// What the model accepts, each rule stated once: every check of an input, in the window and in
// every question, reads its bounds from here.

#include <cstdint>

#include "engine/trial_limits.h"

namespace kestavel {

// Whole numbers from `lowest` to `highest`, both included.
struct WholeRange {
    int64_t lowest;
    int64_t highest;
    constexpr bool Holds(double value) const { return value >= static_cast<double>(lowest) && value <= static_cast<double>(highest); }
};

// Enemies in one trial.
inline constexpr WholeRange kEnemyCountRange{1, kMaxEnemyCount};
// An enemy's speed: 1 or more, with no upper bound.
inline constexpr int64_t kLowestEnemySpeed = 1;
// A rate the player observed, in whole percent (the estimation's input).
inline constexpr WholeRange kObservedPercentRange{1, 99};
// The encounters N of a count K of N the player observed (K from 0 to N).
inline constexpr WholeRange kObservedEncountersRange{1, 1'000'000};
// A rate to reach, in whole percent.
inline constexpr WholeRange kTargetPercentRange{0, 100};
// The estimation tries enemy speeds up to this one.
inline constexpr int32_t kHighestCandidateSpeed = 199;
// The party's best speed for which the estimation's candidates are tried.
inline constexpr WholeRange kBestAllySpeedRange{1, kHighestCandidateSpeed};
// The threads a question's runs may be spread over.
inline constexpr WholeRange kThreadCountRange{1, 64};

}  // namespace kestavel
