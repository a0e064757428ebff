#pragma once
// The two inner loops of a fast run, one set per instruction set: extending the
// Mersenne-Twister word sequence, and counting the wins of a stretch of trials straight from
// the untempered words. Only plain data crosses this boundary, so that the files compiled for
// wider instruction sets share no inline code with the rest of the program.

#include <cstddef>
#include <cstdint>

#include "engine/trial_limits.h"
#include "engine/trials/trial_path.h"

namespace kestavel {

// std::mt19937's parameters.
constexpr int kTwisterWords = 624;
constexpr int kTwisterShift = 397;
constexpr uint32_t kTwisterMatrix = 0x9908B0DFu;
constexpr uint32_t kTwisterUpperBit = 0x80000000u;
constexpr uint32_t kTwisterLowerBits = 0x7FFFFFFFu;
constexpr uint32_t kTemperMaskB = 0x9D2C5680u;
constexpr uint32_t kTemperMaskC = 0xEFC60000u;

// The twister's output for one word of its state.
inline uint32_t TemperWord(uint32_t y) {
    y ^= y >> 11;
    y ^= (y << 7) & kTemperMaskB;
    y ^= (y << 15) & kTemperMaskC;
    return y ^ (y >> 18);
}

// ((r * 2^-32) * 0.4) + 0.6 equals (r * kFactorScale) + 0.6 bit for bit: r * 2^-32 is exact, and
// scaling by a power of two commutes with rounding while every value stays a normal double.
constexpr double kFactorScale = 0.4 * 0x1p-32;
constexpr double kFactorOffset = 0.6;

// A run's trials as the kernels see them. An ally whose speed is not positive never raises the
// party's best initiative above 0, and one too slow ever to pass the fastest never holds it
// alone (see ShapeOf), so only the others are listed; every ally's draws are still taken.
struct TrialShape {
    int stride;      // engine outputs per trial: kAllyCount + enemyCount
    int enemyCount;  // 1 to kMaxEnemyCount; the enemies' outputs follow the allies'
    int activeAllyCount;
    int allyOffset[kAllyCount];  // offset of each listed ally's output within its trial
    double allySpeed[kAllyCount];
    double enemySpeed;  // any value but NaN
};

struct WinCounts {
    int64_t all = 0;
    int64_t first = 0;
};

// The longest stretch of trials a kernel takes in one go: the sequence keeps this many trials'
// words when it refills (see TwisterSequence).
constexpr int kMostTrialsPerBlock = 256;

struct TrialKernel {
    // Fills words[from, to) by the twister recurrence from the 624 words before each;
    // from >= 624 and to - from is a multiple of 16.
    void (*extend)(uint32_t* words, size_t from, size_t to);
    // Counts the wins of `trials` consecutive trials whose outputs are temper(words[0...]);
    // `trials` is a multiple of trialsPerCall. Stretches of trialsPerBlock trials go fastest.
    WinCounts (*countWins)(const uint32_t* words, int trials, const TrialShape& shape);
    // Tempers words[0, count), count a multiple of 16, and folds them into one word by xor: the
    // twister's share of a run, for the benchmarks.
    uint32_t (*foldTempered)(const uint32_t* words, size_t count);
    int trialsPerCall;
    int trialsPerBlock;  // at most kMostTrialsPerBlock
};

// The kernel of a fast path, or null for the plain loop and for a path this build has no code
// for. The dispatch table (trial_path.cpp) lists them.
const TrialKernel* KernelFor(TrialPath path);

// Each kernel's file defines its own. The x86 ones exist where this build has code for them
// (x86-64 with GCC or clang).
const TrialKernel* PortableKernel();
namespace sse41 {
const TrialKernel* Kernel();
}
namespace avx2 {
const TrialKernel* Kernel();
}
namespace avx512 {
const TrialKernel* Kernel();
}
// Only in the WebAssembly module built with simd128.
namespace simd128 {
const TrialKernel* Kernel();
}

}  // namespace kestavel
