#pragma once
// "How often does the party strike first, and shut the enemies out?": simulated as the window
// runs it, exact, or both; against enemies alike or listed.

#include <cstdint>
#include <optional>

#include "analysis/inputs/enemy_group.h"
#include "analysis/inputs/party.h"
#include "analysis/inputs/refusal.h"
#include "engine/exact/exact_rates.h"
#include "engine/run_counts.h"

namespace kestavel::analysis {

struct RateRequest {
    Party allies{};
    EnemyGroup enemies{};
    bool simulate = true;
    bool exact = false;
    uint32_t seed = 0;  // of the simulated run
};

struct RateAnswer {
    RateRequest request;
    std::optional<RunCounts> simulated;  // 100000 trials, when simulated
    std::optional<ExactRates> exact;
};

Outcome<RateAnswer> AnswerRate(const RateRequest& request);

}  // namespace kestavel::analysis
