// One jump of the twister far ahead (2^40 - 3 draws): whole, and with its polynomial worked out
// beforehand, as for many jumps of one distance; whole, the jump of the second of two threads in
// the heaviest estimation (to its 67th run, 92.4 million draws on). Beside them, discard and a
// jump over 2^17 draws, where JumpAhead changes from one to the other. The characteristic
// polynomial, checked at first use, is checked before the timing starts.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "engine/trials/jump/twister_jump.h"

namespace {

constexpr uint64_t kFar = (uint64_t{1} << 40) - 3;
constexpr uint64_t kCrossover = uint64_t{1} << 17;
constexpr uint64_t kSecondThread = 66 * 1400000ull;

void JumpWhole(benchmark::State& state, uint64_t draws) {
    std::mt19937 engine(1u);
    kestavel::TwisterJump(1000).Apply(engine);
    for (auto _ : state) {
        kestavel::TwisterJump(draws).Apply(engine);
        benchmark::DoNotOptimize(engine);
    }
}

void JumpPrepared(benchmark::State& state, uint64_t draws) {
    std::mt19937 engine(1u);
    const kestavel::TwisterJump jump(draws);
    for (auto _ : state) {
        jump.Apply(engine);
        benchmark::DoNotOptimize(engine);
    }
}

void JumpByDiscard(benchmark::State& state, uint64_t draws) {
    std::mt19937 engine(1u);
    for (auto _ : state) {
        engine.discard(draws);
        benchmark::DoNotOptimize(engine);
    }
}

BENCHMARK_CAPTURE(JumpWhole, far, kFar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JumpPrepared, far, kFar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JumpWhole, second_thread, kSecondThread)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JumpWhole, crossover, kCrossover)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JumpByDiscard, crossover, kCrossover)->Unit(benchmark::kMillisecond);

}  // namespace
