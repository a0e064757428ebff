#pragma once
// A run of 100000 simulated turns, and the direct rate calculation built on it.

#include <cstdint>

#include "engine/speed_simulator.h"
#include "engine/trial_limits.h"

namespace kestavel {

// 100000 trials against `enemyCount` enemies of speed `runEnemySpeed`. Each trial draws the
// five allies' factors first, then the enemies' in order. Leaves in `winsAll` the trials in
// which the best ally beat every enemy, in `winsFirst` those in which it beat the first
// enemy; ties lose. The caller keeps `enemyCount` within 1 to 9 (otherwise nothing is drawn
// and both counts are 0). Done by the active trial path (trials/trial_path.h); every path gives the
// same counts and leaves the engine at the same position.
void RunTrials(SpeedSimulator& simulator, double runEnemySpeed);

// The same run drawn one output at a time straight from the engine: the measure of the fast
// paths, and their stand-in where they cannot be exact.
void RunTrialsPlain(SpeedSimulator& simulator, double runEnemySpeed);

enum RateCode : int32_t {
    kRateOk = 0,
    kRateEnemySpeedInvalid = 1,  // enemySpeed below 1
    kRateEnemyCountInvalid = 2,  // enemyCount outside 1 to 9
};

// One run at `enemySpeed`, after checking the enemy speed and then the count.
int32_t CalculateRates(SpeedSimulator& simulator);

}  // namespace kestavel
