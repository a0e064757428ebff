#pragma once
// The enemy-speed estimation with exact rates in place of simulated runs: deterministic and
// instant, otherwise the same search as EstimateBySimulation.

#include <cstdint>

#include "engine/estimation/estimation.h"

namespace kestavel {

// The search of EstimateBySimulation, with its tie rule, over the speeds of `range`. A
// candidate's count is the expected count of a run, 100000 times the exact probability of the
// matched event, so its distance is | observedPercent × 1000 − 100000 p |. Then the table, as
// ExactEstimateTable fills it.
Estimation EstimateExactly(const EstimationInputs& inputs, const CandidateRange& range);

// The five table rows around `bestSpeed` with exact rates in percent against `enemyCount`
// enemies alike; a row whose speed falls below 1 holds speed 0 and no rates, as in the
// simulated table.
EstimateTable ExactEstimateTable(const double (&allySpeed)[kAllyCount], int32_t enemyCount, int32_t bestSpeed);

}  // namespace kestavel
