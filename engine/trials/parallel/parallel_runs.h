#pragma once
// A plan's runs spread over threads, with exactly the counts of doing them one after another
// from one engine, and that engine left where the last run leaves it.

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "engine/run_counts.h"
#include "engine/trials/parallel/run_plan.h"

namespace kestavel {

// What a jump of the engine to a thread's first run costs, in the outputs a run takes in that
// time: a jump takes 0.5 to 0.9 ms, timed inside the threads' runs (`make bench`'s
// JumpWhole/second_thread: 0.75 ms), in which the fastest paths take about 2.5 million outputs
// (HeaviestEstimation's outputs/ns: 3.3), the SSE4.1 path 1.3 million. A stretch shorter than
// that is done faster by the thread before it than after a jump.
inline constexpr uint64_t kJumpCostInDraws = 2'500'000;

struct Parallelism {
    int32_t threads = 1;
    uint64_t jumpDraws = kJumpCostInDraws;  // tests set 0 to split even the smallest plan
};

// How many runs are done so far, told on the calling thread: after each run it does itself and
// every 50 ms or so while it waits for the others, and last with every run done.
using RunsDoneProgress = std::function<void(int32_t runsDone)>;

// Each run's counts, in plan order, the same as runs one after another from `engine` through one
// trial session would give; `engine` is left where they would leave it. The calling thread does
// the first stretch of runs from where `engine` stands; every other thread jumps a copy of it to
// its own stretch and goes on from there. A thread that runs out first takes the later part of
// what another has left, when that is worth a jump: the runs' costs differ, and so do the
// threads' starts and the other work of the machine. One thread, or a plan too small to be worth
// a jump, does every run on the calling thread.
std::vector<RunCounts> RunInParallel(const RunPlan& plan, std::mt19937& engine, const Parallelism& parallelism,
                                     const RunsDoneProgress& progress = {});

}  // namespace kestavel
