#include "engine/exact/exact_estimation.h"

#include <cmath>

#include "engine/enemy_speed_estimation.h"
#include "engine/exact/exact_rates.h"
#include "engine/trial_run.h"

namespace kestavel {

int32_t EstimateEnemySpeedExactly(SpeedSimulator& s, int32_t kind) {
    if (kind != kMatchFirstStrike && kind != kMatchShutOut) return kEstimateKindInvalid;
    if (s.enemyCount < 1 || s.enemyCount > kMaxEnemyCount) return kEstimateEnemyCountInvalid;
    const double bestAlly = BestAllySpeed(s);
    if (bestAlly < 1 || bestAlly > kHighestCandidateSpeed) return kEstimateAllySpeedInvalid;

    const CandidateRange range = CandidateRangeFor(bestAlly);
    const double target = kind == kMatchFirstStrike ? s.targetFirstRate : s.targetAllRate;
    const int32_t matchedEnemies = kind == kMatchFirstStrike ? 1 : s.enemyCount;
    double bestDistance = 999999;
    s.bestSpeed = range.lowerSpeed;
    for (int32_t speed = range.lowerSpeed; speed <= range.upperSpeed; ++speed) {
        s.candidateSpeed = speed;
        const double expectedCount = kTrialsPerRun * ExactShutOutProbability(s.allySpeed, speed, matchedEnemies);
        const double distance = std::fabs(target * 1000 - expectedCount);
        if (bestDistance >= distance) {
            bestDistance = distance;
            s.bestSpeed = speed;
        }
    }
    FillExactTable(s);
    return kEstimateOk;
}

void FillExactTable(SpeedSimulator& s) {
    for (int i = 0; i < kTableRows; ++i) {
        const int32_t rowSpeed = static_cast<int32_t>(s.bestSpeed) - 2 + i;
        s.rowSpeed[i] = rowSpeed < 1 ? 0 : rowSpeed;
        s.rowAllRate[i] = 0;
        s.rowFirstRate[i] = 0;
        if (rowSpeed < 1) continue;
        const ExactRates rates = ExactRatesFor(s.allySpeed, rowSpeed, s.enemyCount);
        s.rowAllRate[i] = 100 * rates.shutOut;
        s.rowFirstRate[i] = 100 * rates.firstStrike;
    }
}

}  // namespace kestavel
