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
// time: a jump takes about a millisecond, in which the fastest paths take 3 to 5 million outputs
// (`make bench`: JumpWhole, and HeaviestEstimation's outputs/ns). A stretch shorter than that is
// done faster by the thread before it than after a jump.
inline constexpr uint64_t kJumpCostInDraws = 4'000'000;

struct Parallelism {
    int32_t threads = 1;
    uint64_t jumpDraws = kJumpCostInDraws;  // tests set 0 to split even the smallest plan
};

// How many runs are done so far, told on the calling thread: after each run it does itself and
// every 50 ms or so while it waits for the others, and last with every run done.
using RunsDoneProgress = std::function<void(int32_t runsDone)>;

// Each run's counts, in plan order, the same as runs one after another from `engine` through one
// trial session would give; `engine` is left where they would leave it. The calling thread does
// the first stretch of runs from `engine` itself; every other thread copies the engine, jumps it
// to its own first run and goes on from there. One thread, or a plan too small to be worth a
// jump, does every run on the calling thread.
std::vector<RunCounts> RunInParallel(const RunPlan& plan, std::mt19937& engine, const Parallelism& parallelism,
                                     const RunsDoneProgress& progress = {});

}  // namespace kestavel
