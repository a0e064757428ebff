#include "record/rate_calculation.h"

#include "engine/input_ranges.h"
#include "engine/trial_run.h"
#include "text/debug_trace.h"

namespace kestavel {

namespace {

TrialPath KeepCounts(SpeedSimulator& s, const RunCounts& counts) {
    s.winsAll = static_cast<double>(counts.shutOutWins);
    s.winsFirst = static_cast<double>(counts.firstStrikeWins);
    return counts.path;
}

}  // namespace

TrialPath RunTrials(SpeedSimulator& s, double runEnemySpeed) {
    return KeepCounts(s, SimulateRun(s.allySpeed, runEnemySpeed, s.enemyCount, *s.engine));
}

void RunTrialsPlain(SpeedSimulator& s, double runEnemySpeed) {
    KeepCounts(s, SimulateRunPlainly(s.allySpeed, runEnemySpeed, s.enemyCount, *s.engine));
}

int32_t CalculateRates(SpeedSimulator& s) {
    if (s.enemySpeed < kLowestEnemySpeed) return kRateEnemySpeedInvalid;
    if (!kEnemyCountRange.Holds(s.enemyCount)) return kRateEnemyCountInvalid;
    RunTrials(s, s.enemySpeed);
    DebugPrint("%.0f\t%.0f\n", s.winsAll, s.winsFirst);
    return kRateOk;
}

}  // namespace kestavel
