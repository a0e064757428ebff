#pragma once
// `rate`: the window's rate calculation, and the exact rates beside it; against a group of
// listed speeds, the exact rates and, when asked, the same model simulated.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/questions/encounter/enemy_group.h"
#include "cli/questions/encounter/party.h"
#include "cli/questions/refusal.h"
#include "engine/exact/exact_rates.h"

namespace kestavel::cli {

struct RateInputs {
    Party allies;
    EnemyGroup enemies;
    uint32_t seed = 0;
    bool simulate = true;  // false only for a listed group without --simulate
    bool exact = false;    // always for a listed group
};

struct RateResult {
    RateInputs inputs;
    std::string shutOutLine;      // when simulated: the window's two result labels (code page 932)
    std::string firstStrikeLine;
    int64_t shutOutWins = 0;      // of 100000 trials, when simulated
    int64_t firstStrikeWins = 0;
    std::optional<ExactRates> exact;
};

Outcome<RateResult> RunRate(const RateInputs& inputs);

}  // namespace kestavel::cli
