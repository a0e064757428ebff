#pragma once
// Working back from an observed rate to the enemy speed that explains it best.

#include <cstdint>

#include "engine/progress_sink.h"
#include "engine/speed_simulator.h"

namespace kestavel {

enum EstimateKind : int32_t {
    kMatchFirstStrike = 1,  // compare winsFirst with targetFirstRate
    kMatchShutOut = 2,      // compare winsAll with targetAllRate
};

enum EstimateCode : int32_t {
    kEstimateOk = 0,
    kEstimateKindInvalid = 1,
    kEstimateEnemyCountInvalid = 2,
    kEstimateAllySpeedInvalid = 3,  // best ally speed below 1 or above 199
};

constexpr int32_t kHighestCandidateSpeed = 199;

// The candidate enemy speeds for a party whose best speed is `bestAlly`: any double, NaN and
// the infinities included (taken as 0 and as very fast).
struct CandidateRange {
    int32_t lowerSpeed;
    int32_t upperSpeed;
};
CandidateRange CandidateRangeFor(double bestAlly);


// Tries every candidate speed with one run each, keeps the one whose count of the kind comes
// closest to the observed rate (of equal distances the higher speed), then fills the five
// table rows around it with fresh runs. Progress texts go to `progressLabel`.
int32_t EstimateEnemySpeed(SpeedSimulator& simulator, int32_t kind, ProgressSink& progressLabel);

}  // namespace kestavel
