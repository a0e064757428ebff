#pragma once
// The exact rates and what an observed count says, as text lines in the window's style
// (code page 932, like every program text).

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/estimate_question.h"
#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"

namespace kestavel::cli {

// The rate calculation's two result lines with the exact rates, to four decimals.
std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates);

// How a text words the speeds a count does not rule out.
struct RangeWording {
    const char* none;
    const char* everySpeed;
    const char* orLess;  // %d: every speed up to it
    const char* orMore;  // %d: it and every faster speed
    const char* fromTo;  // %d, %d
};
extern const RangeWording kRangeInWindowStyle;  // "186以上"
extern const RangeWording kRangeInEnglish;      // "186 or more", for the notes

// "43～47", "90以下", "186以上": the consistent speeds, open-ended where the count leaves them so.
std::string ConsistentRangeText(const std::optional<analysis::ConsistentRange>& range, const RangeWording& words);

// The count, the speeds it does not rule out and the likeliest speed.
std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const analysis::CountFit& fit);

}  // namespace kestavel::cli
