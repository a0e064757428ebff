#pragma once
// Which runs of a plan each thread does: one stretch of consecutive runs per thread, so that a
// thread jumps the engine once, to its first run, and its other runs follow on from there.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/trials/parallel/run_plan.h"

namespace kestavel {

// Where each run starts in the engine's sequence: `before[i]` outputs come before run i, and
// `before[runs]` before whatever follows the plan.
std::vector<uint64_t> DrawsBefore(const RunPlan& plan);

// Where each run starts in time, in the unit of DrawsBefore: the sum of the runs' costs before it
// (RunCostInDraws; a listed group's runs by their draws). The threads split and take runs by
// this, and jump by DrawsBefore.
std::vector<uint64_t> CostBefore(const RunPlan& plan);

// The run whose start lies nearest `draws` outputs on (the later of two as near); the plan's
// size past its end.
size_t RunNear(const std::vector<uint64_t>& before, uint64_t draws);

// Runs first to end - 1.
struct RunStretch {
    size_t first = 0;
    size_t end = 0;
};

// At most `threads` stretches in plan order that together hold every run, none of them empty
// (one, maybe empty, for an empty plan), evening the shares of `before`: draws or cost
// (CostBefore). The first stretch starts where the engine stands; every other starts with a jump
// that costs about as long as `jumpDraws` outputs take to run, so the first is that much longer
// than the others. A thread is given a stretch worth at least half its jump: splitting then ends
// the runs at least half a jump sooner (as WorthTakingPart asks of a taking), which splits the
// estimation's table of five runs over two threads too, 2.7 ms made 2.0.
std::vector<RunStretch> SplitRuns(const std::vector<uint64_t>& before, int32_t threads, uint64_t jumpDraws);

// Whether a thread that jumps to take the later part of runs costing `left` (CostBefore's unit,
// as `jumpDraws` is), leaving the rest to the thread doing them, ends them at least half a jump
// sooner. Taking (left - jumpDraws) / 2 ends both threads at once, (left + jumpDraws) / 2 from
// now instead of `left`: a saving of (left - jumpDraws) / 2, worth having whatever the taker's
// own share. Asking that share to be a jump's worth, as the first split does, left a thread idle
// while the other still had up to three jumps' worth of runs, 5 ms of a 30 ms estimation,
// whenever the machine's other work had slowed one thread; the half jump's margin covers a jump
// that takes longer than estimated.
inline bool WorthTakingPart(uint64_t left, uint64_t jumpDraws) { return left > jumpDraws && left - jumpDraws >= jumpDraws; }

}  // namespace kestavel
