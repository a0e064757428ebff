#include "engine/estimation/simulated_estimation.h"

#include "engine/estimation/estimation_stages.h"

namespace kestavel {

Estimation EstimateBySimulation(const EstimationInputs& in, std::mt19937& engine, EstimationProgress& progress) {
    return EstimateBySimulation(in, engine, Parallelism{1}, progress);
}

Estimation EstimateBySimulation(const EstimationInputs& in, std::mt19937& engine, const Parallelism& parallelism,
                                EstimationProgress& progress) {
    const EstimationStages stages(in);
    const int32_t candidates = stages.Range().Count();
    const std::vector<RunCounts> counts = RunEveryStage(stages, engine, parallelism, [&](size_t stage, const RunPlan&) {
        if (stage == 0) return RunsDoneProgress([&progress, candidates](int32_t done) { progress.SearchRunsDone(done, candidates); });
        progress.TableStarted();
        return RunsDoneProgress{};
    });
    progress.Finished();
    // Both stages' counts, as the stages asked for them.
    return *stages.Finish(counts);
}

}  // namespace kestavel
