#pragma once
// The estimation by simulation: one run of 100000 trials per candidate speed, then one fresh
// run per table row.

#include <random>

#include "engine/estimation/estimation.h"
#include "engine/estimation/estimation_progress.h"

namespace kestavel {

// Tries every candidate speed with one run, keeps the one whose count of the matched event
// comes closest to observedPercent × 1000 (of equal distances the higher speed), then fills the
// five table rows around it with fresh runs (no run and no draw for a row below speed 1). Every
// run draws from `engine` in that order, through one trial session.
Estimation EstimateBySimulation(const EstimationInputs& inputs, std::mt19937& engine, EstimationProgress& progress);

}  // namespace kestavel
