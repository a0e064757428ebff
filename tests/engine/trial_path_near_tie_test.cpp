// Every fast kernel against the plain loop's arithmetic on outputs chosen so that an ally and an
// enemy come within single precision's reach of each other: doubles that tie, that differ in
// their last bit, or that only double precision tells apart. These are the trials the kernels'
// quick filter must leave to double precision.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/trials/trial_kernel.h"
#include "engine/trials/trial_path.h"
#include "tests/engine/reference_model.h"

namespace kestavel {
namespace {

// The word that tempers to `y`: each step of the tempering undone, last first.
uint32_t Untempered(uint32_t y) {
    y ^= y >> 18;
    y ^= (y << 15) & kTemperMaskC;
    uint32_t x = y;
    for (int i = 0; i < 5; ++i) x = y ^ ((x << 7) & kTemperMaskB);
    return x ^ (x >> 11) ^ (x >> 22);
}

double Initiative(uint32_t r, double speed) { return reference::FactorOf(r) * speed; }

struct Pair {
    uint32_t ally;
    uint32_t enemy;
};

// Outputs r (ally) and s (enemy) whose initiatives are nearest to each other in double: from
// each ally output tried, the enemy outputs around the one that solves the equation. Those
// within one unit in the last place (up to 64 of them) come first.
std::vector<Pair> NearTies(double allySpeed, double enemySpeed, uint32_t from, uint32_t tries) {
    std::vector<Pair> close;
    std::vector<Pair> lastBit;
    for (uint32_t r = from; r - from < tries && lastBit.size() < 64; ++r) {
        const double x = Initiative(r, allySpeed);
        // At the ends of the factor's range the nearest enemy output is the first or last one.
        const double solved = std::clamp((x / enemySpeed - 0.6) / 0.4 * 4294967296.0, 2.0, 4294967293.0);
        for (uint32_t s = static_cast<uint32_t>(solved) - 2, n = 0; n < 5; ++s, ++n) {
            const double y = Initiative(s, enemySpeed);
            if (y == x || y == std::nextafter(x, 0.0) || y == std::nextafter(x, HUGE_VAL)) {
                lastBit.push_back({r, s});
            } else if (close.size() < 32 && std::fabs(x - y) < x * 0x1p-15) {
                close.push_back({r, s});
            }
        }
    }
    lastBit.insert(lastBit.end(), close.begin(), close.end());
    return lastBit;
}

struct TieCase {
    double allies[kAllyCount];  // the first one meets the enemy; the others draw `pair.ally / 2`
    double enemySpeed;
    uint32_t from;   // the ally outputs searched
    uint32_t tries;
    bool equalOutputs;  // the pairs are (r, r) and (r, r + 1): equal speeds tie exactly
};

constexpr double kHuge = 2147483647.0;

const TieCase kTieCases[] = {
    {{3, 0, 0, 0, 0}, 3, 0x9E3779B9u, 64, true},
    {{kHuge, kHuge, 0, 0, 0}, kHuge, 0x12345678u, 64, true},
    {{1, 2, 0, 0, 0}, 1, 0xF0000000u, 64, true},
    {{2, 1, 1, 0, 0}, 2, 0x00000100u, 64, true},
    {{5, 0, 0, 0, 0}, 3, 0, 1u << 16, false},           // 5 * 0.6 against 3 * 1.0
    {{3, 0, 0, 0, 0}, 5, 0xFFFF0000u, 1u << 16, false},  // 3 * 1.0 against 5 * 0.6
    {{7, 1, 0, 0, 0}, 9, 0x80000000u, 1u << 22, false},
    {{kHuge, 0, 0, 0, 0}, 2147483646.0, 0x40000000u, 1u << 22, false},
    {{119, 100, 90, 0, 70}, 100, 0x20000000u, 1u << 22, false},
    // The portable kernel's whole speeds at its largest, just beyond it, and not whole.
    {{16384, 1, 0, 0, 0}, 16383, 0x70000000u, 1u << 20, false},
    {{16383, 0, 0, 0, 0}, 16384, 0x10000000u, 1u << 20, false},
    {{16385, 16384, 0, 0, 0}, 16384, 0xA0000000u, 1u << 20, false},
    {{5.5, 0, 0, 0, 4}, 4.5, 0x80000000u, 1u << 20, false},
    // Outputs at the top, which the tempering's last step moves furthest: the ally's low bits
    // high, the enemy's low, so that leaving the step out lowers one and raises the other.
    {{999998.86, 0, 0, 0, 0}, 1000000, 0xFFFFF000u, 1u << 12, false},
};

// Trials built from the pairs, the enemy's output first in some and last in others, in every
// enemy count; their tempered outputs laid out as a run's. Beside the enemy that meets the ally,
// the second draws an output that differs from its own only in the low 14 bits, where the
// tempering's last step works: before that step the two may be ordered the other way.
struct Trials {
    std::vector<uint32_t> outputs;
    int count = 0;
};

Trials Build(const std::vector<Pair>& pairs, int enemyCount, int count) {
    Trials t;
    t.count = count;
    for (int i = 0; i < count; ++i) {
        const Pair p = pairs[static_cast<size_t>(i) % pairs.size()];
        t.outputs.push_back(p.ally);
        for (int a = 1; a < kAllyCount; ++a) t.outputs.push_back(p.ally / 2);
        const bool enemyFirst = i % 2 == 0 || enemyCount == 1;
        for (int j = 0; j < enemyCount; ++j) {
            const bool meets = enemyFirst ? j == 0 : j == enemyCount - 1;
            t.outputs.push_back(meets ? p.enemy : j == 1 ? p.enemy ^ 0x2A5Fu : p.enemy / 3);
        }
    }
    return t;
}

WinCounts PlainCounts(const Trials& t, const double (&allies)[kAllyCount], double enemySpeed, int stride) {
    WinCounts wins;
    for (int i = 0; i < t.count; ++i) {
        const uint32_t* r = t.outputs.data() + static_cast<size_t>(i) * stride;
        double allyBest = 0;
        for (int a = 0; a < kAllyCount; ++a) allyBest = std::max(allyBest, Initiative(r[a], allies[a]));
        double enemyBest = 0;
        for (int j = kAllyCount; j < stride; ++j) enemyBest = std::max(enemyBest, Initiative(r[j], enemySpeed));
        wins.all += allyBest > enemyBest;
        wins.first += allyBest > Initiative(r[kAllyCount], enemySpeed);
    }
    return wins;
}

TrialShape ShapeFor(const double (&allies)[kAllyCount], double enemySpeed, int enemyCount) {
    TrialShape shape{};
    shape.enemyCount = enemyCount;
    shape.stride = kAllyCount + enemyCount;
    shape.enemySpeed = enemySpeed;
    for (int a = 0; a < kAllyCount; ++a) {
        if (allies[a] > 0) {
            shape.allyOffset[shape.activeAllyCount] = a;
            shape.allySpeed[shape.activeAllyCount++] = allies[a];
        }
    }
    return shape;
}

TEST(TrialPathNearTies, EveryKernelCountsAsThePlainLoop) {
    // Whole blocks of the widest kernel, then a stretch that only whole calls take.
    const int trials = 2 * kMostTrialsPerBlock + 16;
    for (const TieCase& c : kTieCases) {
        std::vector<Pair> pairs;
        if (c.equalOutputs) {
            for (uint32_t r = c.from; r - c.from < c.tries; r += 7) {
                pairs.push_back({r, r});
                pairs.push_back({r, r + 1});
                pairs.push_back({r + 1, r});
            }
        } else {
            pairs = NearTies(c.allies[0], c.enemySpeed, c.from, c.tries);
        }
        ASSERT_FALSE(pairs.empty()) << c.allies[0] << " against " << c.enemySpeed;
        for (int enemies = 1; enemies <= kMaxEnemyCount; ++enemies) {
            const Trials t = Build(pairs, enemies, trials);
            const WinCounts expected = PlainCounts(t, c.allies, c.enemySpeed, kAllyCount + enemies);
            std::vector<uint32_t> words;
            for (uint32_t y : t.outputs) words.push_back(Untempered(y));
            for (TrialPath path : AllTrialPaths()) {
                const TrialKernel* kernel = KernelFor(path);
                if (kernel == nullptr || !TrialPathSupported(path)) continue;
                const WinCounts got = kernel->countWins(words.data(), trials, ShapeFor(c.allies, c.enemySpeed, enemies));
                EXPECT_EQ(got.all, expected.all) << TrialPathName(path) << ": " << c.allies[0] << " against "
                                                 << c.enemySpeed << ", " << enemies << " enemies";
                EXPECT_EQ(got.first, expected.first) << TrialPathName(path) << ": " << c.allies[0] << " against "
                                                     << c.enemySpeed << ", " << enemies << " enemies";
            }
        }
    }
}

TEST(TrialPathNearTies, UntemperingInvertsTheTempering) {
    for (uint32_t y : {0u, 1u, 0x80000000u, 0xFFFFFFFFu, 0x9E3779B9u, 0x12345678u}) EXPECT_EQ(TemperWord(Untempered(y)), y);
}

}  // namespace
}  // namespace kestavel
