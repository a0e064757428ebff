#include "engine/trials/parallel/staged_runs.h"

#include <algorithm>
#include <iterator>

#include "engine/trials/jump/twister_jump.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

std::optional<PlacedStage> PlaceStageAfter(const RunStages& stages, std::span<const RunCounts> done) {
    uint64_t start = 0;
    size_t counted = 0;  // the counts of the stages passed so far
    for (;;) {
        std::optional<RunPlan> plan = stages.StageAfter(done.first(counted));
        if (!plan) {
            if (counted != done.size()) return std::nullopt;
            PlacedStage finished;
            finished.finished = true;
            return finished;
        }
        // A stage without runs would be offered again and again.
        if (plan->runs.empty()) return std::nullopt;
        std::vector<uint64_t> before = DrawsBefore(*plan);
        if (counted == done.size()) {
            for (uint64_t& b : before) b += start;
            return PlacedStage{.finished = false, .plan = std::move(*plan), .before = std::move(before)};
        }
        counted += plan->runs.size();
        start += before.back();
        if (counted > done.size()) return std::nullopt;
    }
}

std::vector<RunCounts> RunStretchFromSeed(const PlacedStage& stage, uint32_t seed, RunStretch stretch,
                                          const RunsDoneProgress& afterEachRun) {
    std::mt19937 engine(seed);
    JumpAhead(engine, stage.before[stretch.first]);
    // The stretch alone, on this thread: the runs and the path of a whole plan.
    RunPlan part;
    std::copy(std::begin(stage.plan.allySpeed), std::end(stage.plan.allySpeed), part.allySpeed);
    part.runs.assign(stage.plan.runs.begin() + static_cast<std::ptrdiff_t>(stretch.first),
                     stage.plan.runs.begin() + static_cast<std::ptrdiff_t>(stretch.end));
    return RunInParallel(part, engine, Parallelism{1}, afterEachRun);
}

void NameRunPaths(const RunStages& stages, std::span<RunCounts> counts) {
    const TrialPath sessionPath = SessionTrialPath();
    size_t counted = 0;
    while (counted < counts.size()) {
        const std::optional<RunPlan> plan = stages.StageAfter(counts.first(counted));
        if (!plan || plan->runs.empty()) return;
        for (size_t i = 0; i < plan->runs.size() && counted < counts.size(); ++i, ++counted) {
            counts[counted].path = plan->runs[i].listed.empty() ? sessionPath : TrialPath::kPlain;
        }
    }
}

std::vector<RunCounts> RunEveryStage(const RunStages& stages, std::mt19937& engine, const Parallelism& parallelism,
                                     const StageProgress& progress) {
    std::vector<RunCounts> counts;
    size_t index = 0;
    for (std::optional<RunPlan> stage = stages.StageAfter(counts); stage; stage = stages.StageAfter(counts), ++index) {
        if (stage->runs.empty()) break;  // it would come again
        const RunsDoneProgress told = progress ? progress(index, *stage) : RunsDoneProgress{};
        const std::vector<RunCounts> done = RunInParallel(*stage, engine, parallelism, told);
        counts.insert(counts.end(), done.begin(), done.end());
    }
    return counts;
}

}  // namespace kestavel
