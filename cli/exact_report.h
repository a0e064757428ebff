#pragma once
// How kestavel-cli shows exact rates and what an observed count says about the enemy speed:
// text lines in the window's style (code page 932, like every program text) and JSON.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"
#include "engine/exact/observed_count_fit.h"

namespace kestavel::cli {

// A probability as a JSON number in percent, ten decimals, trailing zeros dropped (one kept).
std::string ExactPercentJson(double probability);

// `, "exactShutOutRate": X, "exactFirstStrikeRate": Y`, to close a JSON object with.
std::string ExactRatesJsonFields(const ExactRates& rates);

// The rate calculation's two result lines with the exact rates, to four decimals.
std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates);

// The count, the speeds it does not rule out (as spans of consecutive speeds; a span at the end
// of the candidate range where the outcome is certain reads "N以下" or "N以上") and the
// likeliest speed.
std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const ObservedCountFit& fit);

// The same as a JSON object; `lowerSpeed` and `upperSpeed` give the candidate range that the
// speeds were taken from.
std::string ObservedCountJson(BinomialCount observed, int32_t enemyCount, const ObservedCountFit& fit);

}  // namespace kestavel::cli
