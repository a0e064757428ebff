// The kernels in plain C++: what every CPU can run.

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

WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    WinCounts wins;
    for (int t = 0; t < trials; ++t, words += shape.stride) {
        double allyBest = 0;
        for (int a = 0; a < shape.activeAllyCount; ++a) {
            const double x = Initiative(TemperWord(words[shape.allyOffset[a]]), shape.allySpeed[a]);
            if (x > allyBest) allyBest = x;
        }
        // The factor never falls as the output grows, so the largest output gives the best
        // enemy when the speed is not negative; when it is, no enemy rises above 0 and the
        // clamp below gives that 0 whichever output is used.
        const uint32_t first = TemperWord(words[kAllyCount]);
        uint32_t largest = first;
        for (int j = 1; j < shape.enemyCount; ++j) {
            const uint32_t r = TemperWord(words[kAllyCount + j]);
            if (r > largest) largest = r;
        }
        double enemyBest = Initiative(largest, shape.enemySpeed);
        if (!(enemyBest > 0)) enemyBest = 0;
        wins.all += allyBest > enemyBest;
        wins.first += allyBest > Initiative(first, shape.enemySpeed);
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
    static const TrialKernel kernel{Extend, CountWins, FoldTempered, 1, 1};
    return &kernel;
}

}  // namespace kestavel
