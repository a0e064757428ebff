#pragma once
// The simulated runs of an estimate or a curve in stages, for a front end that does them itself
// on workers that share no memory (the web page's): where each run of the next stage starts in
// the engine's sequence, the core's split of a stage between workers, a stretch of runs done from
// the seed, and the counts done elsewhere named with their path. AnswerEstimateFromCounts and
// AnswerCurveFromCounts finish the answer from every run's counts.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "engine/run_counts.h"
#include "engine/trials/parallel/run_split.h"
#include "engine/trials/parallel/staged_runs.h"

namespace kestavel::analysis {

class StagedSimulation {
public:
    explicit StagedSimulation(const EstimateRequest& request);
    explicit StagedSimulation(const CurveRequest& request);

    // What follows `done`, every earlier stage's counts in plan order: the next stage placed, or
    // every stage finished (at once for a request refused or answered without simulation). None
    // when `done` does not end where a stage ends.
    std::optional<PlacedStage> StageAfter(std::span<const RunCounts> done) const;

    // Runs stretch.first to stretch.end - 1 of the stage that follows `done`, from the seed,
    // telling `afterEachRun` the runs done so far; none when no stage follows `done` or the
    // stretch is not within it.
    std::optional<std::vector<RunCounts>> RunStretch(std::span<const RunCounts> done, kestavel::RunStretch stretch,
                                                     const RunsDoneProgress& afterEachRun) const;

    // Counts done elsewhere, by a build like this one, named with the path each run took.
    void NamePaths(std::span<RunCounts> counts) const;

private:
    std::unique_ptr<RunStages> stages_;
    uint32_t seed_;
};

// Where each run of `stage` starts in time, as the threads split by it (CostBefore): the first at 0.
std::vector<uint64_t> StageCost(const PlacedStage& stage);

// The core's split of a stage's runs between at most `workers` workers: the threads' split, its
// first stretch a jump's worth longer, as its thread needs none. A worker jumps for it too but at
// the sequence's start, which costs it about one jump's time. `cost` as StageCost gives it (the
// draws of StageAfter split as well, less evenly); none unless it never falls.
std::optional<std::vector<kestavel::RunStretch>> SplitStage(std::span<const uint64_t> cost, int32_t workers);

}  // namespace kestavel::analysis
