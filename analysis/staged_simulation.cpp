#include "analysis/staged_simulation.h"

#include <algorithm>

#include "engine/trials/parallel/parallel_runs.h"

namespace kestavel::analysis {

namespace {

// A worker's jump, in the outputs its runs take in that time: in WebAssembly a jump takes about
// 3 ms (the simd128 core under Node, planning included), in which its runs take about 4 million
// outputs; more than a native thread's, whose jump costs less against its runs.
constexpr uint64_t kWorkerJumpCostInDraws = 4'000'000;

}  // namespace

StagedSimulation::StagedSimulation(const EstimateRequest& request)
    : stages_(EstimateRunStages(request)), seed_(request.seed) {}

StagedSimulation::StagedSimulation(const CurveRequest& request) : stages_(CurveRunStages(request)), seed_(request.seed) {}

std::optional<PlacedStage> StagedSimulation::StageAfter(std::span<const RunCounts> done) const {
    return PlaceStageAfter(*stages_, done);
}

std::optional<std::vector<RunCounts>> StagedSimulation::RunStretch(std::span<const RunCounts> done,
                                                                   kestavel::RunStretch stretch,
                                                                   const RunsDoneProgress& afterEachRun) const {
    const std::optional<PlacedStage> stage = StageAfter(done);
    if (!stage || stage->finished || stretch.first > stretch.end || stretch.end > stage->plan.runs.size()) {
        return std::nullopt;
    }
    return RunStretchFromSeed(*stage, seed_, stretch, afterEachRun);
}

void StagedSimulation::NamePaths(std::span<RunCounts> counts) const { NameRunPaths(*stages_, counts); }

std::vector<uint64_t> StageCost(const PlacedStage& stage) { return CostBefore(stage.plan); }

std::optional<std::vector<kestavel::RunStretch>> SplitStage(std::span<const uint64_t> cost, int32_t workers) {
    if (cost.empty() || !std::is_sorted(cost.begin(), cost.end())) return std::nullopt;
    std::vector<uint64_t> within(cost.begin(), cost.end());
    for (uint64_t& d : within) d -= cost.front();
    return SplitRuns(within, workers, kWorkerJumpCostInDraws);
}

}  // namespace kestavel::analysis
