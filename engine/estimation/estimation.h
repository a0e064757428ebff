#pragma once
// Working back from an observed rate to the enemy speed that explains it best: what an
// estimation matches and what it gives, whether its rates are simulated or exact.

#include <cstdint>

#include "engine/estimation/candidate_range.h"
#include "engine/estimation/estimate_table.h"
#include "engine/trials/trial_path.h"

namespace kestavel {

// The event whose rate was observed.
enum class CountedEvent {
    kFirstStrike,  // the best ally beat the first enemy
    kShutOut,      // the best ally beat every enemy
};

// What the estimation is given: a party whose best speed lies in kBestAllySpeedRange, 1 to 9
// enemies alike, and the observed rate of one event in percent.
struct EstimationInputs {
    double allySpeed[kAllyCount];
    int32_t enemyCount;
    CountedEvent matched;
    double observedPercent;
};

struct Estimation {
    CandidateRange range;
    int32_t bestSpeed;    // the candidate closest to the observed rate (the higher of equals)
    EstimateTable table;  // around bestSpeed
    TrialPath path;       // the trial path of the runs; kPlain for exact rates
};

}  // namespace kestavel
