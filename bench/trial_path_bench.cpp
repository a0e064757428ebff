// The plain loop against the fast trial paths, in one run: a rate run against 2 and against 9
// enemies, and the heaviest estimation (best ally 119, nine enemies, shut-out: 134 runs), each
// path's estimation preceded by its twister alone: the same 188 million outputs generated and
// tempered at that path's width with nothing judged, the floor of one core. Every fast path
// reports its speed-up over the plain loop's best repetition measured before it (x_plain), each
// estimation its time over its own path's floor (x_floor: the median of pairs, the floor timed
// just before each estimation, so that both see the same machine; a shared machine's speed
// drifts by 10 % and more over a minute), and every benchmark the engine outputs it consumes per
// nanosecond. All are reckoned in CPU time, so that other work on a shared machine weighs less on
// them.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
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

void KeepLeast(double& known, bool isKnown, double seconds) { known = isKnown ? std::min(known, seconds) : seconds; }

std::unique_ptr<kestavel::SpeedSimulator> Simulator(int enemies) {
    auto s = std::make_unique<kestavel::SpeedSimulator>(1u);
    const double allies[5] = {119, 100, 90, 80, 70};
    std::copy(std::begin(allies), std::end(allies), s->allySpeed);
    s->enemyCount = enemies;
    s->targetAllRate = 50;
    return s;
}

// Runs `body` per iteration on `path`, then reports outputs per ns and the speed-up. `before`
// runs ahead of each iteration, outside its time, and is told the iteration's seconds after it.
template <typename Body, typename Before>
void Measure(benchmark::State& state, TrialPath path, const std::string& task, double outputsPerIteration, Body body,
             Before before) {
    if (!kestavel::ChooseTrialPath(path)) {
        state.SkipWithError("this CPU cannot run this path");
        return;
    }
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto after = before();
        state.ResumeTiming();
        const double start = Now();
        body();
        const double taken = Now() - start;
        after(taken);
        seconds += taken;
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
}

// Nothing ahead of an iteration.
auto NothingBefore() {
    return [] { return [](double) {}; };
}

template <typename Body>
void Measure(benchmark::State& state, TrialPath path, const std::string& task, double outputsPerIteration, Body body) {
    Measure(state, path, task, outputsPerIteration, body, NothingBefore());
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The heaviest estimation's outputs, generated and tempered by the path's kernel (by the engine
// itself for the plain loop) and folded into a sink.
class Floor {
public:
    explicit Floor(TrialPath path) : kernel_(kestavel::KernelFor(path)), sequence_(std::make_unique<kestavel::TwisterSequence>()) {
        loaded_ = sequence_->Load(engine_);
    }
    bool Loaded() const { return loaded_; }

    uint32_t Fold() {
        const auto outputs = static_cast<uint64_t>(kHeaviestOutputs);
        uint32_t sink = 0;
        if (kernel_ == nullptr) {
            for (uint64_t i = 0; i < outputs; ++i) sink ^= static_cast<uint32_t>(engine_());
            return sink;
        }
        for (uint64_t done = 0; done < outputs;) {
            sequence_->Refill(*kernel_);
            const size_t count = sequence_->Available() - sequence_->Available() % 16;
            sink ^= kernel_->foldTempered(sequence_->Next(), count);
            sequence_->Take(count);
            done += count;
        }
        return sink;
    }

private:
    const kestavel::TrialKernel* kernel_;
    std::mt19937 engine_{1u};
    std::unique_ptr<kestavel::TwisterSequence> sequence_;
    bool loaded_ = false;
};

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
    Floor floor(path);
    std::vector<double> overFloor;
    const auto floorFirst = [&]() -> std::function<void(double)> {
        if (!floor.Loaded()) return [](double) {};
        const double start = Now();
        benchmark::DoNotOptimize(floor.Fold());
        const double floorSeconds = Now() - start;
        return [&overFloor, floorSeconds](double seconds) { overFloor.push_back(seconds / floorSeconds); };
    };
    Measure(state, path, kEstimateTask, kHeaviestOutputs, [&] {
        benchmark::DoNotOptimize(kestavel::EstimateEnemySpeed(*s, kestavel::kMatchShutOut, progress));
    }, floorFirst);
    if (!overFloor.empty()) state.counters["x_floor"] = Median(overFloor);
}

// The floor alone, for its own figure.
void TwisterAlone(benchmark::State& state, TrialPath path) {
    Floor floor(path);
    if (!floor.Loaded()) {
        state.SkipWithError("this library's engine state cannot be read");
        return;
    }
    Measure(state, path, kFloorTask, kHeaviestOutputs, [&] { benchmark::DoNotOptimize(floor.Fold()); });
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
