#pragma once
// The exact rates and what an observed count says, as text lines in the window's style
// (code page 932, like every program text).

#include <cstdint>
#include <string>
#include <vector>

#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"
#include "engine/exact/observed_count_fit.h"

namespace kestavel::cli {

// The rate calculation's two result lines with the exact rates, to four decimals.
std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates);

// The count, the speeds it does not rule out (as spans of consecutive speeds; a span at the end
// of the candidate range where the outcome is certain reads "N以下" or "N以上") and the
// likeliest speed.
std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const ObservedCountFit& fit);

}  // namespace kestavel::cli
