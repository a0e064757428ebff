#include "record/enemy_speed_estimation.h"

#include <algorithm>

#include "engine/input_ranges.h"
#include "engine/run_counts.h"
#include "engine/estimation/simulated_estimation.h"
#include "text/debug_trace.h"

namespace kestavel {

int32_t EstimateEnemySpeed(SpeedSimulator& s, int32_t kind, EstimationProgress& progress) {
    if (kind != kMatchFirstStrike && kind != kMatchShutOut) return kEstimateKindInvalid;
    if (!kEnemyCountRange.Holds(s.enemyCount)) return kEstimateEnemyCountInvalid;
    if (!kBestAllySpeedRange.Holds(BestAllySpeed(s))) return kEstimateAllySpeedInvalid;

    EstimationInputs inputs{};
    std::copy(std::begin(s.allySpeed), std::end(s.allySpeed), inputs.allySpeed);
    inputs.enemyCount = s.enemyCount;
    inputs.matched = kind == kMatchFirstStrike ? CountedEvent::kFirstStrike : CountedEvent::kShutOut;
    inputs.observedPercent = kind == kMatchFirstStrike ? s.targetFirstRate : s.targetAllRate;
    const CandidateRange range = CandidateRangeFor(BestAllySpeed(s));
    DebugPrint("%d\t%d\n", range.upperSpeed, range.lowerSpeed);

    const Estimation estimation = EstimateBySimulation(inputs, *s.engine, progress);
    s.candidateSpeed = estimation.range.upperSpeed;
    s.bestSpeed = estimation.bestSpeed;
    for (int i = 0; i < kTableRows; ++i) {
        const TableRow& row = estimation.table[i];
        s.rowSpeed[i] = row.speed;
        s.rowAllRate[i] = row.shutOutRate;
        s.rowFirstRate[i] = row.firstStrikeRate;
        DebugPrint("%d\t%.2f\t%.2f\n", s.rowSpeed[i], s.rowAllRate[i], s.rowFirstRate[i]);
    }
    const TableRow& bottom = estimation.table[kTableRows - 1];
    s.winsAll = static_cast<double>(bottom.shutOutWins);
    s.winsFirst = static_cast<double>(bottom.firstStrikeWins);
    return kEstimateOk;
}

}  // namespace kestavel
