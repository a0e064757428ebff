#pragma once
// The estimation by simulation: one run of 100000 trials per candidate speed, then one fresh
// run per table row.

#include <random>

#include "engine/estimation/estimation.h"
#include "engine/estimation/estimation_progress.h"
#include "engine/trials/parallel/parallel_runs.h"

namespace kestavel {

// Tries every candidate speed with one run, keeps the one whose count of the matched event
// comes closest to observedPercent × 1000 (of equal distances the higher speed), then fills the
// five table rows around it with fresh runs (no run and no draw for a row below speed 1). Every
// run draws from `engine` in that order: the two stages of EstimationStages, done in turn.
Estimation EstimateBySimulation(const EstimationInputs& inputs, std::mt19937& engine, EstimationProgress& progress);

// The same estimation, its runs spread over threads: the same best speed, rows and engine
// afterwards. The candidates' runs go first, in parallel; the table's, which hang on the best
// speed, after them. Progress is told on the calling thread, the search's in runs done so far.
// One thread is the estimation above.
Estimation EstimateBySimulation(const EstimationInputs& inputs, std::mt19937& engine, const Parallelism& parallelism,
                                EstimationProgress& progress);

}  // namespace kestavel
