#include "engine/trials/parallel/run_split.h"

#include <algorithm>

#include "engine/trials/trial_session.h"

namespace kestavel {

std::vector<uint64_t> DrawsBefore(const RunPlan& plan) {
    std::vector<uint64_t> before(plan.runs.size() + 1, 0);
    for (size_t i = 0; i < plan.runs.size(); ++i) before[i + 1] = before[i] + DrawsOf(plan.runs[i]);
    return before;
}

std::vector<uint64_t> CostBefore(const RunPlan& plan) {
    std::vector<uint64_t> before(plan.runs.size() + 1, 0);
    for (size_t i = 0; i < plan.runs.size(); ++i) {
        const PlannedRun& run = plan.runs[i];
        const uint64_t cost = run.listed.empty() ? RunCostInDraws(plan.allySpeed, run.enemySpeed, run.enemyCount) : DrawsOf(run);
        before[i + 1] = before[i] + cost;
    }
    return before;
}

size_t RunNear(const std::vector<uint64_t>& before, uint64_t draws) {
    size_t run = static_cast<size_t>(std::lower_bound(before.begin(), before.end(), draws) - before.begin());
    if (run == before.size()) return run - 1;
    if (run > 0 && draws - before[run - 1] < before[run] - draws) --run;
    return run;
}

std::vector<RunStretch> SplitRuns(const std::vector<uint64_t>& before, int32_t threads, uint64_t jumpDraws) {
    const size_t runs = before.size() - 1;
    const uint64_t total = before[runs];

    // With w threads the first does (total + (w - 1) jumpDraws) / w and each other one jump's
    // worth less, (total - jumpDraws) / w: that must come to half a jump's worth at least.
    uint64_t threadCount = static_cast<uint64_t>(std::max(threads, 1));
    threadCount = std::min<uint64_t>(threadCount, std::max<size_t>(runs, 1));
    while (threadCount > 1 && (total <= jumpDraws || (total - jumpDraws) / threadCount < jumpDraws / 2)) --threadCount;

    std::vector<RunStretch> stretches(1);
    if (threadCount > 1) {
        const uint64_t otherShare = (total - jumpDraws) / threadCount;
        const uint64_t firstShare = otherShare + jumpDraws;
        for (uint64_t k = 1; k < threadCount; ++k) {
            const size_t boundary = RunNear(before, firstShare + (k - 1) * otherShare);
            if (boundary <= stretches.back().first || boundary >= runs) continue;
            stretches.back().end = boundary;
            stretches.push_back(RunStretch{boundary, 0});
        }
    }
    stretches.back().end = runs;
    return stretches;
}

}  // namespace kestavel
