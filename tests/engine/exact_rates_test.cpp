// The exact rates, held against an independent numerical integration, against values known in
// closed form, and against the simulator itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/exact/exact_rates.h"
#include "record/speed_simulator.h"
#include "record/rate_calculation.h"
#include "tests/engine/integrated_shut_out.h"

namespace kestavel {
namespace {

// The oracle with `enemyCount` enemies of one speed.
double IntegratedShutOut(const double (&allies)[5], double enemySpeed, int enemyCount) {
    const std::vector<double> enemies(static_cast<size_t>(enemyCount), enemySpeed);
    return oracle::IntegratedShutOut(allies, enemies);
}

struct Party {
    double allies[5];
};

const Party kParties[] = {
    {{60, 50, 40, 30, 20}}, {{100, 0, 0, 0, 0}}, {{77, 77, 0, -3, 45}}, {{199, 198, 150, 120, 119}},
    {{3, 2, 1, 1, 1}},      {{1, 0, 0, 0, 0}},   {{120, 90, 88, 87, 60}}, {{55, 54.5, 56, 57, 53}},
};

TEST(ExactRates, AgreeWithNumericalIntegration) {
    for (const Party& party : kParties) {
        const double best = *std::max_element(std::begin(party.allies), std::end(party.allies));
        for (double ratio : {0.55, 0.6, 0.7, 0.83, 0.99, 1.0, 1.13, 1.31, 1.5, 1.666, 1.7}) {
            const double enemySpeed = std::max(1.0, std::round(best * ratio * 8) / 8);
            for (int enemies = 1; enemies <= 9; ++enemies) {
                const double exact = ExactShutOutProbability(party.allies, enemySpeed, enemies);
                ASSERT_NEAR(exact, IntegratedShutOut(party.allies, enemySpeed, enemies), 1e-12)
                    << "ally " << party.allies[0] << " enemy " << enemySpeed << " x" << enemies;
            }
        }
    }
}

TEST(ExactRates, MatchValuesKnownInClosedForm) {
    // Equal speeds: every one of the 5 + n initiatives is equally likely to be the largest.
    const double equal[5] = {70, 70, 70, 70, 70};
    for (int n = 1; n <= 9; ++n) EXPECT_NEAR(ExactShutOutProbability(equal, 70, n), 5.0 / (5 + n), 1e-15);
    const double single[5] = {70, 0, 0, 0, 0};
    for (int n = 1; n <= 9; ++n) EXPECT_NEAR(ExactShutOutProbability(single, 70, n), 1.0 / (1 + n), 1e-15);
    // One ally at 1.2 times the enemy: the ally's factor f loses to the enemy's g when
    // g >= 1.2 f, a triangle with legs 5/6 - 0.6 (in f) and 1 - 0.72 (in g), in a square of 0.16.
    const double faster[5] = {120, 0, 0, 0, 0};
    EXPECT_NEAR(ExactShutOutProbability(faster, 100, 1), 1 - (0.5 * (5.0 / 6 - 0.6) * 0.28) / 0.16, 1e-15);
}

TEST(ExactRates, CertainOutcomesAndAbsentAllies) {
    const double sure[5] = {100, 0, 0, 0, 0};
    EXPECT_EQ(ExactShutOutProbability(sure, 60, 9), 1.0);
    const double hopeless[5] = {60, 0, 0, 0, 0};
    EXPECT_EQ(ExactShutOutProbability(hopeless, 100, 1), 0.0);
    const double nobody[5] = {0, -5, 0, -2147483648.0, 0};
    EXPECT_EQ(ExactShutOutProbability(nobody, 1, 1), 0.0);
    const double withAbsent[5] = {-40, 60, 0, 50, -1};
    const double withoutAbsent[5] = {60, 50, 0, 0, 0};
    EXPECT_EQ(ExactShutOutProbability(withAbsent, 55, 4), ExactShutOutProbability(withoutAbsent, 55, 4));
    const double extreme[5] = {2147483647, 1, 0, 0, 0};
    EXPECT_EQ(ExactShutOutProbability(extreme, 1, 9), 1.0);
    EXPECT_EQ(ExactShutOutProbability(extreme, 2147483647, 1), 0.5);
}

TEST(ExactRates, RefuseEnemiesOutsideTheModel) {
    const double party[5] = {60, 50, 40, 30, 20};
    EXPECT_TRUE(std::isnan(ExactShutOutProbability(party, 0.5, 1)));
    EXPECT_TRUE(std::isnan(ExactShutOutProbability(party, 50, 0)));
    EXPECT_TRUE(std::isnan(ExactShutOutProbability(party, 50, 10)));
    EXPECT_TRUE(std::isnan(ExactShutOutProbability(party, INFINITY, 1)));
}

TEST(ExactRates, FirstStrikeIsTheShutOutOfOneEnemy) {
    const double party[5] = {60, 50, 40, 30, 20};
    const ExactRates rates = ExactRatesFor(party, 52, 3);
    EXPECT_EQ(rates.firstStrike, ExactShutOutProbability(party, 52, 1));
    EXPECT_EQ(rates.shutOut, ExactShutOutProbability(party, 52, 3));
    EXPECT_LT(rates.shutOut, rates.firstStrike);
}

// The simulator's counts over one run of 100000 trials, with fixed seeds, lie within five
// standard errors of 100000 times the exact probabilities, for both counts and several enemy
// counts.
TEST(SimulatorAgreesWithExactRates, WithinFiveStandardErrors) {
    struct Case {
        double allies[5];
        double enemySpeed;
        int enemies;
    };
    const Case cases[] = {
        {{60, 50, 40, 30, 20}, 50, 1}, {{60, 50, 40, 30, 20}, 55, 3}, {{60, 50, 40, 30, 20}, 45, 9},
        {{100, 90, 0, 0, 0}, 110, 2},  {{77, 77, 77, 0, 0}, 70, 5},   {{3, 2, 1, 0, 0}, 2, 4},
    };
    uint32_t seed = 2024;
    for (const Case& c : cases) {
        auto s = std::make_unique<SpeedSimulator>(seed++);
        std::copy(std::begin(c.allies), std::end(c.allies), s->allySpeed);
        s->enemyCount = c.enemies;
        RunTrials(*s, c.enemySpeed);
        const ExactRates exact = ExactRatesFor(c.allies, c.enemySpeed, c.enemies);
        for (auto [count, p] : {std::pair{s->winsAll, exact.shutOut}, std::pair{s->winsFirst, exact.firstStrike}}) {
            const double standardError = std::sqrt(kTrialsPerRun * p * (1 - p));
            EXPECT_NEAR(count, kTrialsPerRun * p, 5 * standardError + 1)
                << "enemy " << c.enemySpeed << " x" << c.enemies << " p " << p;
        }
    }
}

}  // namespace
}  // namespace kestavel
