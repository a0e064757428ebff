#pragma once
// `curve`: both rates at every enemy speed of a range, exact and, when asked, simulated; for a
// group of listed speeds, over the speeds of one of them, the others as listed.

#include <cstdint>
#include <optional>
#include <vector>

#include "cli/questions/encounter/party.h"
#include "cli/questions/refusal.h"
#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"

namespace kestavel::cli {

struct CurveInputs {
    Party allies;
    int32_t enemies = 1;           // with a listed group: its size
    std::vector<int32_t> listed;   // --enemy-speeds; empty for enemies alike
    int32_t vary = 0;              // the listed enemy whose speed runs over the range, from 1
    std::optional<int32_t> from;  // both or neither: the candidate range otherwise
    std::optional<int32_t> to;
    bool simulate = false;
    uint32_t seed = 0;
    std::optional<BinomialCount> observed;
};

constexpr int32_t kMostCurveSpeeds = 10000;

struct CurvePoint {
    int32_t speed = 0;
    ExactRates exact{};            // probabilities
    int64_t shutOutWins = 0;       // simulated, of 100000 trials
    int64_t firstStrikeWins = 0;
    bool consistent = false;       // with the observed count, when one is given
};

struct CurveResult {
    CurveInputs inputs;
    int32_t from = 0;
    int32_t to = 0;
    std::vector<CurvePoint> points;  // from `from` to `to`
};

Outcome<CurveResult> RunCurve(const CurveInputs& inputs);

}  // namespace kestavel::cli
