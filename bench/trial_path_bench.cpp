// The plain loop against the fast trial paths, in one run: a rate run against 2 and against 9
// enemies, and the heaviest estimation (best ally 119, nine enemies, shut-out: 134 runs).
// Every fast path reports its speed-up over the plain loop measured just before it, and every
// benchmark the engine outputs it consumes per nanosecond.

#include <benchmark/benchmark.h>

#include <ctime>
#include <map>
#include <memory>
#include <string>

#include "engine/enemy_speed_estimation.h"
#include "engine/speed_simulator.h"
#include "engine/trials/trial_path.h"
#include "engine/trial_run.h"

namespace {

using kestavel::TrialPath;

struct NoProgress : kestavel::ProgressSink {
    void ReplaceText(const std::string&) override {}
};

// <chrono> cannot be compiled with this project's execution character set.
double Now() {
    std::timespec t{};
    std::timespec_get(&t, TIME_UTC);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Seconds per iteration of the plain loop, by task.
std::map<std::string, double>& PlainSeconds() {
    static std::map<std::string, double> seconds;
    return seconds;
}

std::unique_ptr<kestavel::SpeedSimulator> Simulator(int enemies) {
    auto s = std::make_unique<kestavel::SpeedSimulator>(1u);
    const double allies[5] = {119, 100, 90, 80, 70};
    std::copy(std::begin(allies), std::end(allies), s->allySpeed);
    s->enemyCount = enemies;
    s->targetAllRate = 50;
    return s;
}

// Runs `body` per iteration on `path`, then reports outputs per ns and the speed-up.
template <typename Body>
void Measure(benchmark::State& state, TrialPath path, const std::string& task, double outputsPerIteration, Body body) {
    if (!kestavel::ChooseTrialPath(path)) {
        state.SkipWithError("this CPU cannot run this path");
        return;
    }
    double seconds = 0;
    for (auto _ : state) {
        const double start = Now();
        body();
        seconds += Now() - start;
    }
    kestavel::ChooseTrialPath(kestavel::FastestTrialPath());
    const double perIteration = seconds / static_cast<double>(state.iterations());
    state.counters["outputs/ns"] = outputsPerIteration / perIteration * 1e-9;
    if (path == TrialPath::kPlain) {
        PlainSeconds()[task] = perIteration;
    } else if (PlainSeconds().count(task)) {
        state.counters["x_plain"] = PlainSeconds()[task] / perIteration;
    }
}

void RateRun(benchmark::State& state, TrialPath path, int enemies) {
    auto s = Simulator(enemies);
    const double outputs = 100000.0 * (5 + enemies);
    Measure(state, path, "rate" + std::to_string(enemies), outputs, [&] {
        kestavel::RunTrials(*s, 100);
        benchmark::DoNotOptimize(s->winsAll);
    });
}

void HeaviestEstimation(benchmark::State& state, TrialPath path) {
    auto s = Simulator(9);
    NoProgress progress;
    const double outputs = 134.0 * 100000.0 * 14;
    Measure(state, path, "estimate", outputs, [&] {
        benchmark::DoNotOptimize(kestavel::EstimateEnemySpeed(*s, kestavel::kMatchShutOut, progress));
    });
}

const int kRegistered = [] {
    const TrialPath paths[] = {TrialPath::kPlain, TrialPath::kPortable, TrialPath::kAvx2, TrialPath::kAvx512};
    for (int enemies : {2, 9}) {
        for (TrialPath path : paths) {
            const std::string name = "RateRun/" + std::to_string(enemies) + "_enemies/" + kestavel::TrialPathName(path);
            benchmark::RegisterBenchmark(name.c_str(), RateRun, path, enemies)->Unit(benchmark::kMillisecond);
        }
    }
    for (TrialPath path : paths) {
        const std::string name = std::string("HeaviestEstimation/") + kestavel::TrialPathName(path);
        benchmark::RegisterBenchmark(name.c_str(), HeaviestEstimation, path)->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

}  // namespace
