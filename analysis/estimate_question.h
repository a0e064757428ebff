#pragma once
// "Which enemy speed explains what I saw?": from an observed rate, simulated as the window runs
// it (over the window's candidates, up to 199) or on exact rates; from a count K of N, every
// speed the count does not rule out and the likeliest. Exact rates and counts search every
// speed at which the rate can change.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "analysis/inputs/party.h"
#include "analysis/inputs/refusal.h"
#include "engine/estimation/estimation.h"
#include "engine/estimation/estimation_progress.h"
#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"
#include "engine/exact/observed_count_fit.h"
#include "engine/run_counts.h"
#include "engine/trials/parallel/staged_runs.h"

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

// Every speed the count does not rule out, past the speeds searched too. They are one run, as
// the rate falls while the enemy speeds up. A certain win that fits means every slower speed,
// also a certain win, fits; a certain loss every faster one. The full range searched ends in
// both, so no run is cut short by the range's end.
struct ConsistentRange {
    int32_t lowest;                  // 1 when every slower speed fits too
    std::optional<int32_t> highest;  // none when every faster speed fits too: no upper bound
    bool EverySpeed() const { return lowest == 1 && !highest; }
};

struct CountFit {
    ObservedCountFit fit;
    std::vector<FittingSpeed> consistent;  // as fit.consistent
    std::optional<ConsistentRange> consistentRange;  // none when the count rules out every speed
    // The likeliest speed: the search's, except when no success was counted. Then every speed
    // the party cannot beat is as likely, without a highest for the tie rule to take: it is the
    // slowest of them, and `andEveryFaster` says so.
    FittingSpeed likeliest;
    bool andEveryFaster = false;
};

// The observed rate lies beyond what any candidate gives: the range's ends bound it.
struct OutOfReachNote {
    int32_t percent;
    double highestPercent;  // at the lowest candidate
    double lowestPercent;   // at the highest candidate
};

// The simulated estimation tries speeds up to the window's cap, and its best speed is the cap:
// faster speeds, at which the rate still changes, were not tried.
struct FasterNotTriedNote {
    int32_t cap;
    int32_t highestChanging;  // the full range's highest speed, which the exact estimation tries
};

struct EstimateAnswer {
    EstimateRequest request;
    int32_t enemies = 1;  // in every trial: 1 for a first-strike rate
    Estimation estimation{};
    std::optional<CountFit> countFit;
    std::optional<OutOfReachNote> outOfReach;
    bool bestOutsideCount = false;  // the best speed for the rate is ruled out by the count
    std::optional<FasterNotTriedNote> fasterNotTried;
};

Outcome<EstimateAnswer> AnswerEstimate(const EstimateRequest& request);

// The simulated runs AnswerEstimate would do, in stages, for a front end that does them itself:
// the search's, then the table's. None for a request refused or answered without simulation.
std::unique_ptr<RunStages> EstimateRunStages(const EstimateRequest& request);

// AnswerEstimate's answer from every run's counts, in plan order, however they were done; none
// for counts that are not exactly the stages' runs'.
std::optional<Outcome<EstimateAnswer>> AnswerEstimateFromCounts(const EstimateRequest& request,
                                                                std::span<const RunCounts> counts);

}  // namespace kestavel::analysis
