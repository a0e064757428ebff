#pragma once
// "How do the rates change with the enemy's speed?": both rates at every speed of a range,
// exact and, when asked, simulated; for a listed group, over the speeds of one of its enemies,
// the others as listed.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "analysis/inputs/party.h"
#include "analysis/inputs/refusal.h"
#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"
#include "engine/run_counts.h"
#include "engine/trials/parallel/staged_runs.h"
#include "engine/trials/trial_path.h"

namespace kestavel::analysis {

struct CurveRequest {
    Party allies{};
    int32_t enemies = 1;          // with a listed group: its size
    std::vector<int32_t> listed{};  // one speed per enemy; empty for enemies alike
    int32_t vary = 0;             // the listed enemy whose speed runs over the range, from 1
    std::optional<int32_t> from{};  // both or neither: every speed at which the rate can change otherwise
    std::optional<int32_t> to{};
    bool simulate = false;
    uint32_t seed = 0;
    int32_t threads = 1;  // the simulated runs are spread over; any number gives the same
    std::optional<BinomialCount> observed{};
};

// At most this many speeds in one curve.
constexpr int32_t kMostCurveSpeeds = 10000;

struct CurvePoint {
    int32_t speed = 0;
    ExactRates exact{};           // probabilities
    int64_t shutOutWins = 0;      // simulated, of 100000 trials
    int64_t firstStrikeWins = 0;
    bool consistent = false;      // with the observed count, when one is given
};

struct CurveAnswer {
    CurveRequest request;
    int32_t from = 0;
    int32_t to = 0;
    std::vector<CurvePoint> points;  // from `from` to `to`
    TrialPath path = TrialPath::kPlain;  // of the simulated runs
};

Outcome<CurveAnswer> AnswerCurve(const CurveRequest& request);

// The simulated runs AnswerCurve would do, one per speed, as one stage, for a front end that does
// them itself. None for a request refused or not simulated.
std::unique_ptr<RunStages> CurveRunStages(const CurveRequest& request);

// AnswerCurve's answer from every run's counts, in plan order, however they were done; none for
// counts that are not exactly the stage's runs'.
std::optional<Outcome<CurveAnswer>> AnswerCurveFromCounts(const CurveRequest& request, std::span<const RunCounts> counts);

}  // namespace kestavel::analysis
