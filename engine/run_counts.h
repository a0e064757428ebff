#pragma once
// What a run of 100000 trials gives: its two win counts, and the trial path that did the work.

#include <cstdint>

#include "engine/trial_limits.h"
#include "engine/trials/trial_path.h"

namespace kestavel {

struct RunCounts {
    int64_t shutOutWins = 0;      // the best ally beat every enemy
    int64_t firstStrikeWins = 0;  // the best ally beat the first enemy
    TrialPath path = TrialPath::kPlain;
};

// A count of wins in one run as a percentage: count × 100 / 100000.
constexpr double kWinsPerPercent = kTrialsPerRun / 100;
inline double PercentOfWins(double wins) { return wins / kWinsPerPercent; }

// The count that 100000 trials show at exactly `percent`: an observed rate on the wins' scale.
inline double WinsAtPercent(double percent) { return percent * kWinsPerPercent; }

}  // namespace kestavel
