#pragma once
// Which runs of a plan each thread does: one stretch of consecutive runs per thread, so that a
// thread jumps the engine once, to its first run, and its other runs follow on from there.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/trials/parallel/run_plan.h"

namespace kestavel {

// Runs first to end - 1 of a plan, the first of them `startDraw` outputs from the plan's start.
struct RunStretch {
    size_t first = 0;
    size_t end = 0;
    uint64_t startDraw = 0;
};

// At most `threads` stretches in plan order that together hold every run, none of them empty
// (one, maybe empty, for an empty plan). The first stretch starts where the engine stands; every
// other starts with a jump that costs about as long as `jumpDraws` outputs take to run, so the
// first is that much longer than the others, and a thread is only given a stretch worth at least
// its jump.
std::vector<RunStretch> SplitRuns(const RunPlan& plan, int32_t threads, uint64_t jumpDraws);

}  // namespace kestavel
