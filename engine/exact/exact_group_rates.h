#pragma once
// The exact rates against a group of enemies whose speeds differ.
//
// How: with M the largest enemy initiative, the party loses exactly when its best initiative
// is at or below M, so the chance of losing is the integral of the party's distribution
// function against M's. M's distribution function is the product of the enemies' own, each
// linear in the initiative between its two break points; between consecutive break points of
// all the actors, the derivative of that product times the allies' product is a polynomial
// with non-negative coefficients in the piece's own coordinate, integrated term by term
// without cancellation.
//
// A group whose speeds are all equal is handed to ExactRatesFor, so that it gives that
// function's results bit for bit; the first-strike rate is always ExactShutOutProbability
// against the first enemy alone, the same arithmetic again.

#include <span>

#include "engine/exact/exact_rates.h"
#include "engine/trial_limits.h"

namespace kestavel {

// Both probabilities against the enemies of `enemySpeeds`, the first of which is the first
// enemy of the first-strike rate. Needs 1 to 9 speeds, each finite and at least 1; gives NaN
// in both otherwise. Accurate to about 1e-15.
ExactRates ExactRatesForGroup(const double (&allySpeed)[kAllyCount], std::span<const double> enemySpeeds);

}  // namespace kestavel
