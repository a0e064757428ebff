#pragma once
// The window's estimation on its record: the checks and their codes, the search on the
// record's inputs and engine, and the results written back into the record.

#include <cstdint>

#include "engine/estimation/estimation_progress.h"
#include "engine/trials/trial_path.h"
#include "record/speed_simulator.h"

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

// Checks the kind, the enemy count and the party's best speed, in that order, and returns the
// first failing one's code with nothing changed. Otherwise runs the search (see
// EstimateBySimulation) and leaves in the record the best speed, the table, the last candidate
// in `candidateSpeed` and the bottom row's counts in `winsAll` and `winsFirst`; reports its
// progress to `progress`.
int32_t EstimateEnemySpeed(SpeedSimulator& simulator, int32_t kind, EstimationProgress& progress);

}  // namespace kestavel
