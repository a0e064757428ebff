// How long one run of 100000 trials takes.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/speed_simulator.h"
#include "engine/trial_run.h"

namespace {

void BM_RunTrials(benchmark::State& state) {
    auto simulator = std::make_unique<kestavel::SpeedSimulator>(1u);
    const double allies[5] = {60, 50, 40, 30, 20};
    std::copy(std::begin(allies), std::end(allies), simulator->allySpeed);
    simulator->enemyCount = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        kestavel::RunTrials(*simulator, 50);
        benchmark::DoNotOptimize(simulator->winsAll);
    }
    state.counters["outputs/ns"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kestavel::kTrialsPerRun * (5 + state.range(0)) * 1e-9,
        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunTrials)->Arg(2)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace
