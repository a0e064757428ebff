// The plain loop against the fast trial paths, in one run: a rate run against 2 and against 9
// enemies, and the heaviest estimation (best ally 119, nine enemies, shut-out: 134 runs), each
// path's estimation preceded by its twister alone: the same 188 million outputs generated and
// tempered at that path's width with nothing judged, the floor of one core. Every fast path
// reports its speed-up over the plain loop's best repetition measured before it (x_plain), each
// estimation its time over its own path's best floor (x_floor), and every benchmark the engine
// outputs it consumes per nanosecond. All are reckoned in CPU time, so that other work on a
// shared machine weighs less on them.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "record/enemy_speed_estimation.h"
#include "record/speed_simulator.h"
#include "record/rate_calculation.h"
#include "engine/trials/trial_kernel.h"
#include "engine/trials/trial_path.h"
#include "engine/trials/twister_sequence.h"

namespace {

using kestavel::TrialPath;

using kestavel::NoProgress;

// The process's CPU time (the benchmark runs on one thread). <chrono> cannot be compiled with
// this project's execution character set.
double Now() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

constexpr double kHeaviestOutputs = 134.0 * 100000.0 * 14;
constexpr const char* kEstimateTask = "estimate";
constexpr const char* kFloorTask = "twister";

// Seconds per iteration of the plain loop, by task.
std::map<std::string, double>& PlainSeconds() {
    static std::map<std::string, double> seconds;
    return seconds;
}

// The best seconds per iteration of the twister alone, by path.
std::map<TrialPath, double>& FloorSeconds() {
    static std::map<TrialPath, double> seconds;
    return seconds;
}

void KeepLeast(double& known, bool isKnown, double seconds) { known = isKnown ? std::min(known, seconds) : seconds; }

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
        const bool known = PlainSeconds().count(task) != 0;
        KeepLeast(PlainSeconds()[task], known, perIteration);
    } else if (PlainSeconds().count(task)) {
        state.counters["x_plain"] = PlainSeconds()[task] / perIteration;
    }
    if (task == kFloorTask) {
        const bool known = FloorSeconds().count(path) != 0;
        KeepLeast(FloorSeconds()[path], known, perIteration);
    } else if (task == kEstimateTask && FloorSeconds().count(path)) {
        state.counters["x_floor"] = perIteration / FloorSeconds()[path];
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
    Measure(state, path, kEstimateTask, kHeaviestOutputs, [&] {
        benchmark::DoNotOptimize(kestavel::EstimateEnemySpeed(*s, kestavel::kMatchShutOut, progress));
    });
}

// The heaviest estimation's outputs, generated and tempered by the path's kernel (by the engine
// itself for the plain loop) and folded into a sink.
void TwisterAlone(benchmark::State& state, TrialPath path) {
    const kestavel::TrialKernel* kernel = kestavel::KernelFor(path);
    std::mt19937 engine(1u);
    auto sequence = std::make_unique<kestavel::TwisterSequence>();
    if (!sequence->Load(engine)) {
        state.SkipWithError("this library's engine state cannot be read");
        return;
    }
    const auto outputs = static_cast<uint64_t>(kHeaviestOutputs);
    Measure(state, path, kFloorTask, kHeaviestOutputs, [&] {
        uint32_t sink = 0;
        if (kernel == nullptr) {
            for (uint64_t i = 0; i < outputs; ++i) sink ^= static_cast<uint32_t>(engine());
        } else {
            for (uint64_t done = 0; done < outputs;) {
                sequence->Refill(*kernel);
                const size_t count = sequence->Available() - sequence->Available() % 16;
                sink ^= kernel->foldTempered(sequence->Next(), count);
                sequence->Take(count);
                done += count;
            }
        }
        benchmark::DoNotOptimize(sink);
    });
}

double Least(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

void Register(const std::string& name, void (*body)(benchmark::State&, TrialPath), TrialPath path) {
    benchmark::RegisterBenchmark(name.c_str(), body, path)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Least);
}

const int kRegistered = [] {
    const TrialPath paths[] = {TrialPath::kPlain, TrialPath::kPortable, TrialPath::kSse41, TrialPath::kAvx2,
                               TrialPath::kAvx512};
    for (int enemies : {2, 9}) {
        for (TrialPath path : paths) {
            const std::string name = "RateRun/" + std::to_string(enemies) + "_enemies/" + kestavel::TrialPathName(path);
            benchmark::RegisterBenchmark(name.c_str(), RateRun, path, enemies)
                ->Unit(benchmark::kMillisecond)
                ->ComputeStatistics("min", Least);
        }
    }
    for (TrialPath path : paths) {
        Register(std::string("TwisterAlone/") + kestavel::TrialPathName(path), TwisterAlone, path);
        Register(std::string("HeaviestEstimation/") + kestavel::TrialPathName(path), HeaviestEstimation, path);
    }
    return 0;
}();

}  // namespace
