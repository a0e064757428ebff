#pragma once
// "Which enemy speed explains what I saw?": from an observed rate, simulated as the window runs
// it or on exact rates; from a count K of N, every speed the count does not rule out and the
// likeliest.

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/party.h"
#include "analysis/refusal.h"
#include "engine/estimation/estimation.h"
#include "engine/estimation/estimation_progress.h"
#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"
#include "engine/exact/observed_count_fit.h"

namespace kestavel::analysis {

struct EstimateRequest {
    Party allies{};
    std::optional<int32_t> firstStrike{};  // percent observed, against one enemy
    std::optional<int32_t> shutOut{};      // percent observed, against `enemies`
    int32_t enemies = 1;                 // for a shut-out rate or a count
    std::optional<BinomialCount> observed{};
    bool exact = false;                  // always with a count
    uint32_t seed = 0;                   // of the simulated runs
    int32_t threads = 1;                 // the simulated runs are spread over; any number gives the same
    EstimationProgress* progress = nullptr;  // the simulated runs' progress, when wanted
};

// A speed the count does not rule out, with both its exact rates.
struct FittingSpeed {
    int32_t speed;
    ExactRates rates;
};

struct CountFit {
    ObservedCountFit fit;
    std::vector<FittingSpeed> consistent;  // as fit.consistent
    FittingSpeed likeliest;
};

// The observed rate lies beyond what any candidate gives: the range's ends bound it.
struct OutOfReachNote {
    int32_t percent;
    double highestPercent;  // at the lowest candidate
    double lowestPercent;   // at the highest candidate
};

struct EstimateAnswer {
    EstimateRequest request;
    int32_t enemies = 1;  // in every trial: 1 for a first-strike rate
    Estimation estimation{};
    std::optional<CountFit> countFit;
    std::optional<OutOfReachNote> outOfReach;
    bool bestOutsideCount = false;  // the best speed for the rate is ruled out by the count
};

Outcome<EstimateAnswer> AnswerEstimate(const EstimateRequest& request);

}  // namespace kestavel::analysis
