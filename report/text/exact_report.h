#pragma once
// The exact rates and what an observed count says, as text lines in the language in use (UTF-8),
// laid out as the window lays out its results.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/estimate_question.h"
#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"

namespace kestavel::report {

// The rate calculation's two result lines with the exact rates, to four decimals.
std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates);

// "43～47", "90以下", "186以上" ("43 to 47", "90 or less", "186 or more"): the consistent
// speeds, open-ended where the count leaves them so.
std::string ConsistentRangeText(const std::optional<analysis::ConsistentRange>& range);

// The count, the speeds it does not rule out and the likeliest speed.
std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const analysis::CountFit& fit);

}  // namespace kestavel::report
