#pragma once
// The simulated estimation as two stages of runs: one run per candidate speed, lowest first (the
// search), then one per table row around the best speed the search's counts give. Done in turn
// from one engine they are the window's estimation; placed in the engine's sequence they can be
// done anywhere, in any order, with the same answer.

#include <optional>
#include <span>

#include "engine/estimation/estimation.h"
#include "engine/trials/parallel/staged_runs.h"

namespace kestavel {

class EstimationStages final : public RunStages {
public:
    explicit EstimationStages(const EstimationInputs& inputs);

    // The search's runs first, then the table's rows of speed 1 or more, top to bottom.
    std::optional<RunPlan> StageAfter(std::span<const RunCounts> done) const override;

    // The estimation from both stages' counts, in plan order: the best speed by the one search,
    // the rows by the one table fill, the path the last run's. None for counts that are not
    // exactly both stages'.
    std::optional<Estimation> Finish(std::span<const RunCounts> counts) const;

    const CandidateRange& Range() const { return range_; }

private:
    RunPlan PlanOf(std::span<const int32_t> speeds) const;
    int32_t BestSpeed(std::span<const RunCounts> searched) const;

    EstimationInputs inputs_;
    CandidateRange range_;
};

}  // namespace kestavel
