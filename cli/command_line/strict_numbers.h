#pragma once
// The numbers of the command line, read strictly: a value that is not exactly a whole number
// in its range is a usage error, never read the way the window reads its fields.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/exact/binomial_interval.h"

namespace kestavel::cli {

// Decimal digits with an optional leading minus sign and nothing else, in [min, max]; nothing
// otherwise.
std::optional<int64_t> ReadStrictInteger(const std::string& text, int64_t min, int64_t max);

// The UsageError for `text`, which is not a whole number from min to max: it names `what`.
[[noreturn]] void RefuseWholeNumber(const std::string& text, int64_t min, int64_t max, const std::string& what);

// ReadStrictInteger's number, or its refusal.
int64_t ParseStrictInteger(const std::string& text, int64_t min, int64_t max, const std::string& what);

// A 32-bit number.
int32_t ParseInt32(const std::string& text, const std::string& what);

// "A1,A2,...": one to five 32-bit numbers.
std::vector<int32_t> ParseAllySpeeds(const std::string& text);

// "S1,S2,...": 32-bit numbers, as many as given; the speeds and their count are the window's
// to refuse, as its fields are.
std::vector<int32_t> ParseEnemySpeeds(const std::string& text);

// "K/N" with 0 <= K <= N and N in kObservedEncountersRange.
BinomialCount ParseObservedCount(const std::string& text);

}  // namespace kestavel::cli
