#include "engine/trial_run.h"

#include <algorithm>
#include <span>

#include "engine/input_ranges.h"
#include "engine/mixed_trial_run.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

RunCounts SimulateRun(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount,
                      std::mt19937& engine) {
    TrialSession session(engine);
    return session.Run(allySpeed, enemySpeed, enemyCount);
}

RunCounts SimulateRunPlainly(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount,
                             std::mt19937& engine) {
    // The plain loop of a group whose enemies all have this speed; a count outside 1 to 9
    // makes an empty or oversized group, for which nothing is drawn.
    double enemySpeeds[kMaxEnemyCount];
    const size_t count = kEnemyCountRange.Holds(enemyCount) ? static_cast<size_t>(enemyCount) : 0;
    std::fill_n(enemySpeeds, count, enemySpeed);
    return SimulateMixedRun(allySpeed, std::span<const double>(enemySpeeds, count), engine);
}

}  // namespace kestavel
