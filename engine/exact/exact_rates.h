#pragma once
// The rates of the trial model computed exactly instead of simulated.
//
// Every factor is taken as uniform on [0.6, 1.0); the engine's factors are that distribution
// on a grid of 2^32 steps, so a simulated rate converges to these values to within 2^-32.
// Ties have probability zero in this model. An ally whose speed is 0 or negative is absent:
// its initiative never beats an enemy's.
//
// How: with t the enemy factor's position in [0, 1), the chance that the party's best
// initiative stays at or below an enemy initiative is a product of the allies' distribution
// functions, each linear in t between its two break points. Between consecutive break points
// that product, times the density n t^(n-1) of the largest of n such positions, is a
// polynomial with non-negative coefficients in the piece's own coordinate, integrated
// term by term without cancellation.

#include <cstdint>

#include "engine/trial_limits.h"

namespace kestavel {

struct ExactRates {
    double shutOut;      // probability that the best ally beats every enemy
    double firstStrike;  // probability that the best ally beats the first enemy
};

// The probability that the party's best initiative is greater than each of `enemyCount`
// enemies' of speed `enemySpeed`. Needs a finite `enemySpeed` of at least 1 and a count of 1
// to 9; gives NaN otherwise. Accurate to about 1e-15.
double ExactShutOutProbability(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount);

// Both probabilities for one enemy speed and count (NaN under the same conditions).
ExactRates ExactRatesFor(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount);

}  // namespace kestavel
