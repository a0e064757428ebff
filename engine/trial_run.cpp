#include "engine/trial_run.h"

#include <algorithm>
#include <span>

#include "engine/mixed_trial_run.h"
#include "engine/text/debug_trace.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

void RunTrials(SpeedSimulator& s, double runEnemySpeed) {
    TrialSession session(s);
    session.Run(runEnemySpeed);
}

void RunTrialsPlain(SpeedSimulator& s, double runEnemySpeed) {
    // The plain loop of a group whose `enemyCount` enemies all have this speed; a count
    // outside 1 to 9 makes an empty or oversized group, for which nothing is drawn.
    double enemySpeeds[kMaxEnemyCount];
    const size_t count = s.enemyCount >= 1 && s.enemyCount <= kMaxEnemyCount ? static_cast<size_t>(s.enemyCount) : 0;
    std::fill_n(enemySpeeds, count, runEnemySpeed);
    RunMixedTrials(s, std::span<const double>(enemySpeeds, count));
}

int32_t CalculateRates(SpeedSimulator& s) {
    if (s.enemySpeed < 1) return kRateEnemySpeedInvalid;
    if (s.enemyCount < 1 || s.enemyCount > kMaxEnemyCount) return kRateEnemyCountInvalid;
    RunTrials(s, s.enemySpeed);
    DebugPrint("%.0f\t%.0f\n", s.winsAll, s.winsFirst);
    return kRateOk;
}

}  // namespace kestavel
