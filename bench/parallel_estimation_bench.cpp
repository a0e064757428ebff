// The heaviest estimation as kestavel-cli asks it (best ally 119, nine enemies, shut-out: 134
// runs, 188 million outputs), on the path the programs choose: on one thread, the window's way,
// and spread over every core, kestavel-cli's default. Timed by the wall clock, since spreading
// the runs saves time to the answer, not CPU time. Every core's speed-up is taken in pairs: each
// of its iterations also does the estimation on one thread just before, so that both sides of a
// ratio see the same machine (a shared machine's speed drifts by 10 % and more over a minute).
// `x_one_thread` is the median pair's ratio, what a typical estimation gains;
// `x_one_thread_totals` the one-thread runs' total over the every-core runs', which also counts
// the every-core runs that the machine's other work held up: with every core busy none is left
// for it, so those runs lag, where a one-thread run leaves a core free.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "analysis/estimate_question.h"
#include "commands/progress/throttled_progress.h"

namespace {

double WallSeconds() { return static_cast<double>(kestavel::SteadyClock().NowMicroseconds()) * 1e-6; }

kestavel::analysis::EstimateRequest HeaviestOn(int32_t threads) {
    return {.allies = {119, 100, 90, 80, 70}, .shutOut = 50, .enemies = 9, .seed = 1, .threads = threads};
}

double SecondsOf(const kestavel::analysis::EstimateRequest& request) {
    const double start = WallSeconds();
    benchmark::DoNotOptimize(kestavel::analysis::AnswerEstimate(request));
    return WallSeconds() - start;
}

void HeaviestEstimationOnThreads(benchmark::State& state) {
    const auto threads = static_cast<int32_t>(state.range(0));
    const kestavel::analysis::EstimateRequest request = HeaviestOn(threads);
    const kestavel::analysis::EstimateRequest oneThread = HeaviestOn(1);
    double seconds = 0;
    double oneThreadSeconds = 0;
    std::vector<double> pairRatios;
    for (auto _ : state) {
        const double one = threads > 1 ? SecondsOf(oneThread) : 0;
        const double taken = SecondsOf(request);
        state.SetIterationTime(taken);
        seconds += taken;
        oneThreadSeconds += one;
        pairRatios.push_back(one / taken);
    }
    state.counters["outputs/ns"] = 134.0 * 100000.0 * 14 / (seconds / static_cast<double>(state.iterations())) * 1e-9;
    if (threads > 1) {
        std::nth_element(pairRatios.begin(), pairRatios.begin() + pairRatios.size() / 2, pairRatios.end());
        state.counters["x_one_thread"] = pairRatios[pairRatios.size() / 2];
        state.counters["x_one_thread_totals"] = oneThreadSeconds / seconds;
    }
}

const int kRegistered = [] {
    const auto everyCore = static_cast<int64_t>(std::max(1u, std::thread::hardware_concurrency()));
    auto* bench = benchmark::RegisterBenchmark("HeaviestEstimationOnThreads", HeaviestEstimationOnThreads)
                      ->ArgName("threads")
                      ->Arg(1)
                      ->UseManualTime()
                      ->Unit(benchmark::kMillisecond)
                      ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    if (everyCore > 1) bench->Arg(everyCore);
    return 0;
}();

}  // namespace
