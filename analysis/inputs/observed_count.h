#pragma once
// A count K of N the player observed, as the estimation and the curve take it.

#include <optional>

#include "analysis/inputs/refusal.h"
#include "engine/exact/binomial_interval.h"

namespace kestavel::analysis {

// N outside 1 to 1000000 first, then K outside 0 to N; none for no count.
std::optional<Refusal> ObservedCountRefusal(const std::optional<BinomialCount>& observed);

}  // namespace kestavel::analysis
