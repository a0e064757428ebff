#pragma once
// `rate`: the window's rate calculation, and the exact rates beside it.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/party.h"
#include "cli/refusal.h"
#include "engine/exact/exact_rates.h"

namespace kestavel::cli {

struct RateInputs {
    Party allies;
    int32_t enemySpeed = 0;
    int32_t enemies = 0;
    uint32_t seed = 0;
    bool exact = false;
};

struct RateResult {
    RateInputs inputs;
    std::string shutOutLine;      // the window's two result labels (code page 932)
    std::string firstStrikeLine;
    int64_t shutOutWins = 0;      // of 100000 trials
    int64_t firstStrikeWins = 0;
    std::optional<ExactRates> exact;
};

Outcome<RateResult> RunRate(const RateInputs& inputs);

}  // namespace kestavel::cli
