// The kernels in plain C++: what every CPU can run.

#include <array>
#include <cmath>
#include <utility>

#include "engine/trials/trial_kernel.h"

namespace kestavel {

namespace {

double Initiative(uint32_t r, double speed) { return ((static_cast<double>(r) * kFactorScale) + kFactorOffset) * speed; }

void Extend(uint32_t* words, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        const uint32_t y = (words[i - kTwisterWords] & kTwisterUpperBit) | (words[i - kTwisterWords + 1] & kTwisterLowerBits);
        words[i] = words[i - kTwisterWords + kTwisterShift] ^ (y >> 1) ^ ((y & 1u) ? kTwisterMatrix : 0u);
    }
}

// Trials are judged a stretch at a time from their outputs tempered beforehand: a loop over
// consecutive words alone, which compilers turn into vector code for whatever CPU they build for.
constexpr int kTrialsPerStretch = 64;
static_assert(kTrialsPerStretch <= kMostTrialsPerBlock, "the twister sequence keeps too few words for a stretch");

void TemperAll(const uint32_t* words, size_t count, uint32_t* outputs) {
    for (size_t i = 0; i < count; ++i) outputs[i] = TemperWord(words[i]);
}

struct Verdict {
    bool all;
    bool first;
};

// The largest of a trial's enemy outputs.
uint32_t LargestEnemyOutput(const uint32_t* r, const TrialShape& shape) {
    uint32_t largest = r[kAllyCount];
    for (int j = 1; j < shape.enemyCount; ++j) largest = r[kAllyCount + j] > largest ? r[kAllyCount + j] : largest;
    return largest;
}

// One trial from its tempered outputs, in double exactly as the plain loop computes it.
Verdict JudgeExactly(const uint32_t* r, const TrialShape& shape) {
    double allyBest = 0;
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        const double x = Initiative(r[shape.allyOffset[a]], shape.allySpeed[a]);
        if (x > allyBest) allyBest = x;
    }
    // The factor never falls as the output grows, so the largest output gives the best enemy
    // when the speed is not negative; when it is, no enemy rises above 0 and the clamp below
    // gives that 0 whichever output is used.
    const uint32_t first = r[kAllyCount];
    double enemyBest = Initiative(LargestEnemyOutput(r, shape), shape.enemySpeed);
    if (!(enemyBest > 0)) enemyBest = 0;
    return {allyBest > enemyBest, allyBest > Initiative(first, shape.enemySpeed)};
}

// Whole speeds decided in integers. With c = kFactorScale and o = kFactorOffset, an output r at
// speed s has the real initiative (r * c + o) * s = c * (s * (r + K) + s * k), where K = 3 * 2^31
// and k = o / c - K: o / c would be 1.5 * 2^32 but for the constants' rounding, and works out to
// K - 5 * 2^-23 (|k| < 2^-20). The plain loop's double is that real value with three roundings,
// relatively within 1.5 * 2^-52. For whole speeds up to kWholeSpeedMost = 2^14, I = s * (r + K)
// is below 2.5 * 2^32 * 2^14 < 2^47.4 and exact in 64 bits, and two draws whose integers I
// differ by at least 1 have doubles that differ by at least
// c * (1 - 2 * 2^14 * 2^-20 - 2 * 2^47.4 * 1.5 * 2^-52) > c * 0.8, in the same direction.
// Each party's best double is then that of its largest I (the doubles never fall as r grows,
// and the enemies' largest output has the largest I): when the best ally's I is above an enemy
// value's, so is its double, and when below, every ally's double is below. Only a trial whose
// best ally's I equals the best or the first enemy's may tie or go either way in double, and it
// is judged again by JudgeExactly. Every I is positive, as are the doubles, so the clamp at 0
// and an empty party (best ally 0, never ahead) agree too.
constexpr double kWholeSpeedMost = 0x1p14;
constexpr uint64_t kWholeOffset = 3ull << 31;

bool IsWholeSpeed(double speed) { return speed >= 1 && speed <= kWholeSpeedMost && speed == std::floor(speed); }

bool AllWhole(const TrialShape& shape) {
    if (!IsWholeSpeed(shape.enemySpeed)) return false;
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        if (!IsWholeSpeed(shape.allySpeed[a])) return false;
    }
    return true;
}

// With the number of listed allies fixed, so that their loop unrolls with speeds and offsets
// kept in registers.
template <int allies>
WinCounts CountWholeWins(const uint32_t* r, int trials, const TrialShape& shape) {
    uint64_t allySpeed[kAllyCount] = {};
    for (int a = 0; a < allies; ++a) allySpeed[a] = static_cast<uint64_t>(shape.allySpeed[a]);
    const auto enemySpeed = static_cast<uint64_t>(shape.enemySpeed);
    WinCounts wins;
    for (int t = 0; t < trials; ++t, r += shape.stride) {
        uint64_t allyBest = 0;
        for (int a = 0; a < allies; ++a) {
            const uint64_t x = allySpeed[a] * (r[shape.allyOffset[a]] + kWholeOffset);
            allyBest = x > allyBest ? x : allyBest;
        }
        const uint32_t first = r[kAllyCount];
        const uint64_t enemyBest = enemySpeed * (LargestEnemyOutput(r, shape) + kWholeOffset);
        const uint64_t firstEnemy = enemySpeed * (first + kWholeOffset);
        if (allyBest == enemyBest || allyBest == firstEnemy) {
            const Verdict v = JudgeExactly(r, shape);
            wins.all += v.all;
            wins.first += v.first;
            continue;
        }
        wins.all += allyBest > enemyBest;
        wins.first += allyBest > firstEnemy;
    }
    return wins;
}

template <size_t... allies>
constexpr auto WholeCounters(std::index_sequence<allies...>) {
    return std::array{CountWholeWins<static_cast<int>(allies)>...};
}
constexpr auto kWholeCounters = WholeCounters(std::make_index_sequence<kAllyCount + 1>());

WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    const bool whole = AllWhole(shape);
    const auto countWhole = kWholeCounters[static_cast<size_t>(shape.activeAllyCount)];
    WinCounts wins;
    uint32_t outputs[kTrialsPerStretch * kMaxTrialStride];
    while (trials > 0) {
        const int stretch = trials < kTrialsPerStretch ? trials : kTrialsPerStretch;
        TemperAll(words, static_cast<size_t>(stretch) * shape.stride, outputs);
        if (whole) {
            const WinCounts part = countWhole(outputs, stretch, shape);
            wins.all += part.all;
            wins.first += part.first;
        } else {
            for (int t = 0; t < stretch; ++t) {
                const Verdict v = JudgeExactly(outputs + t * shape.stride, shape);
                wins.all += v.all;
                wins.first += v.first;
            }
        }
        words += static_cast<size_t>(stretch) * shape.stride;
        trials -= stretch;
    }
    return wins;
}

uint32_t FoldTempered(const uint32_t* words, size_t count) {
    uint32_t folded = 0;
    for (size_t i = 0; i < count; ++i) folded ^= TemperWord(words[i]);
    return folded;
}

}  // namespace

const TrialKernel* PortableKernel() {
    static const TrialKernel kernel{Extend, CountWins, FoldTempered, 1, kTrialsPerStretch};
    return &kernel;
}

}  // namespace kestavel
