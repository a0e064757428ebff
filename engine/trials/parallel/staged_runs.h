#pragma once
// Runs planned in stages, a later stage's runs hanging on the counts of the earlier ones (the
// estimation's table on the best speed its search found). Each stage follows on in the engine's
// sequence where the one before it ends, so every run's place is known as soon as its stage is:
// what lets a front end do a stage's runs itself, out of order and elsewhere (the web page's
// workers, each from the seed), and finish the answer from every run's counts.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <vector>

#include "engine/run_counts.h"
#include "engine/trials/parallel/parallel_runs.h"
#include "engine/trials/parallel/run_plan.h"
#include "engine/trials/parallel/run_split.h"

namespace kestavel {

class RunStages {
public:
    virtual ~RunStages() = default;
    // The runs of the stage that follows `done`, every earlier stage's counts in plan order, or
    // none when `done` holds the last stage's. A stage has at least one run.
    virtual std::optional<RunPlan> StageAfter(std::span<const RunCounts> done) const = 0;
};

// A plan done in one stage; none for an empty plan.
class OneStage final : public RunStages {
public:
    explicit OneStage(RunPlan plan = {}) : plan_(std::move(plan)) {}
    std::optional<RunPlan> StageAfter(std::span<const RunCounts> done) const override {
        if (!done.empty() || plan_.runs.empty()) return std::nullopt;
        return plan_;
    }

private:
    RunPlan plan_;
};

// The stage that follows some counts, placed in the engine's sequence from the seed: run i
// starts after `before[i]` outputs, and `before[runs]` come before what follows the stage.
struct PlacedStage {
    bool finished = false;  // every stage is done: no runs
    RunPlan plan{};
    std::vector<uint64_t> before{};
};

// What follows `done`; none when `done` does not end where a stage ends (more counts than the
// stages have runs, or part of a stage's).
std::optional<PlacedStage> PlaceStageAfter(const RunStages& stages, std::span<const RunCounts> done);

// Runs stretch.first to stretch.end - 1 of `stage`, from an engine seeded with `seed` and jumped
// to the first: their counts, the same as when every run is done in turn from the seed.
// `afterEachRun(runsDone)` is told the runs done in the stretch so far, after each.
std::vector<RunCounts> RunStretchFromSeed(const PlacedStage& stage, uint32_t seed, RunStretch stretch,
                                          const RunsDoneProgress& afterEachRun = {});

// Counts done elsewhere, by a build like this one, given the path each run takes here: the fast
// path of a trial session, or the plain loop for a listed group's runs (RunInParallel's choice).
void NameRunPaths(const RunStages& stages, std::span<RunCounts> counts);

// Asked as each stage starts (0 first), with its runs: what to tell of its runs done.
using StageProgress = std::function<RunsDoneProgress(size_t stage, const RunPlan& runs)>;

// Every stage's runs from `engine`, stage after stage, each spread over threads; every count in
// plan order, and `engine` left after the last run.
std::vector<RunCounts> RunEveryStage(const RunStages& stages, std::mt19937& engine, const Parallelism& parallelism,
                                     const StageProgress& progress = {});

}  // namespace kestavel
