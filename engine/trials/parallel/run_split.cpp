#include "engine/trials/parallel/run_split.h"

#include <algorithm>

namespace kestavel {

std::vector<RunStretch> SplitRuns(const RunPlan& plan, int32_t threads, uint64_t jumpDraws) {
    const size_t runs = plan.runs.size();
    // before[i]: the outputs the runs before run i take.
    std::vector<uint64_t> before(runs + 1, 0);
    for (size_t i = 0; i < runs; ++i) before[i + 1] = before[i] + DrawsOf(plan.runs[i]);
    const uint64_t total = before[runs];

    // With w threads the first does (total + (w - 1) jumpDraws) / w and each other one jump's
    // worth less, (total - jumpDraws) / w: that must come to a jump's worth at least.
    uint64_t threadCount = static_cast<uint64_t>(std::max(threads, 1));
    threadCount = std::min<uint64_t>(threadCount, std::max<size_t>(runs, 1));
    while (threadCount > 1 && (total <= jumpDraws || (total - jumpDraws) / threadCount < jumpDraws)) --threadCount;

    std::vector<RunStretch> stretches(1);
    if (threadCount == 1) {
        stretches[0].end = runs;
        return stretches;
    }
    const uint64_t otherShare = (total - jumpDraws) / threadCount;
    const uint64_t firstShare = otherShare + jumpDraws;
    for (uint64_t k = 1; k < threadCount; ++k) {
        // The run boundary nearest where the k-th share ends.
        const uint64_t target = firstShare + (k - 1) * otherShare;
        size_t boundary = static_cast<size_t>(std::lower_bound(before.begin(), before.end(), target) - before.begin());
        if (boundary > 0 && target - before[boundary - 1] < before[boundary] - target) --boundary;
        if (boundary <= stretches.back().first || boundary >= runs) continue;
        stretches.back().end = boundary;
        stretches.push_back(RunStretch{boundary, 0, before[boundary]});
    }
    stretches.back().end = runs;
    return stretches;
}

}  // namespace kestavel
