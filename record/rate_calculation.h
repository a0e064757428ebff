#pragma once
// A run of 100000 simulated turns on the record, and the direct rate calculation built on it.

#include <cstdint>

#include "engine/trials/trial_path.h"
#include "record/speed_simulator.h"

namespace kestavel {

// 100000 trials against `enemyCount` enemies of speed `runEnemySpeed`, drawing from the record's
// engine; leaves in `winsAll` the trials in which the best ally beat every enemy, in
// `winsFirst` those in which it beat the first enemy. The caller keeps `enemyCount` within
// 1 to 9 (otherwise nothing is drawn and both counts are 0). Returns the trial path that did
// the work.
TrialPath RunTrials(SpeedSimulator& simulator, double runEnemySpeed);

// The same run through the plain loop.
void RunTrialsPlain(SpeedSimulator& simulator, double runEnemySpeed);

enum RateCode : int32_t {
    kRateOk = 0,
    kRateEnemySpeedInvalid = 1,  // enemySpeed below 1
    kRateEnemyCountInvalid = 2,  // enemyCount outside 1 to 9
};

// One run at `enemySpeed`, after checking the enemy speed and then the count.
int32_t CalculateRates(SpeedSimulator& simulator);

}  // namespace kestavel
