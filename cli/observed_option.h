#pragma once
// The value of --observed: "K/N", K of N encounters.

#include <string>

#include "engine/exact/binomial_interval.h"

namespace kestavel::cli {

constexpr int64_t kMostObservedEncounters = 1000000;

// Whole numbers with 0 <= K <= N and 1 <= N <= 1000000, nothing else; otherwise a usage
// error.
BinomialCount ParseObservedCount(const std::string& text);

}  // namespace kestavel::cli
