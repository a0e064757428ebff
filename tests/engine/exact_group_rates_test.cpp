// The exact rates against mixed enemy groups, held against numerical integration, against the
// one-speed rates, and against the simulation of mixed groups, which is in turn held to the
// plain one-speed run seed by seed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/exact/exact_group_rates.h"
#include "engine/exact/exact_rates.h"
#include "engine/mixed_trial_run.h"
#include "record/speed_simulator.h"
#include "record/rate_calculation.h"
#include "tests/engine/integrated_shut_out.h"

namespace kestavel {
namespace {

// A mixed run whose counts the record keeps, as it keeps those of its own runs.
void RunMixedTrials(SpeedSimulator& s, std::span<const double> enemySpeeds) {
    const RunCounts counts = SimulateMixedRun(s.allySpeed, enemySpeeds, *s.engine);
    s.winsAll = static_cast<double>(counts.shutOutWins);
    s.winsFirst = static_cast<double>(counts.firstStrikeWins);
}

struct Party {
    double allies[5];
};

const Party kParties[] = {
    {{60, 50, 40, 30, 20}}, {{100, 0, 0, 0, 0}},   {{77, 77, 0, -3, 45}}, {{199, 198, 150, 120, 119}},
    {{3, 2, 1, 1, 1}},      {{0, 0, 0, 0, 0}},     {{120, 90, 88, 87, 60}},
};

const std::vector<double> kGroups[] = {
    {30, 30, 80},
    {50, 60},
    {1, 199, 100, 7},
    {60, 50.5},
    {45, 46, 47, 48, 49, 50, 51, 52, 53},
    {2147483647, 1},
    {130, 20},
};

TEST(ExactGroupRates, AgreeWithNumericalIntegration) {
    for (const Party& party : kParties) {
        for (const std::vector<double>& group : kGroups) {
            const ExactRates exact = ExactRatesForGroup(party.allies, group);
            EXPECT_NEAR(exact.shutOut, oracle::IntegratedShutOut(party.allies, group), 1e-12)
                << "ally " << party.allies[0] << " group of " << group.size() << " from " << group[0];
            EXPECT_NEAR(exact.firstStrike, oracle::IntegratedShutOut(party.allies, std::span(group).first(1)), 1e-12)
                << "ally " << party.allies[0] << " first enemy " << group[0];
        }
    }
}

TEST(ExactGroupRates, EqualSpeedsGiveTheOneSpeedRatesBitForBit) {
    for (const Party& party : kParties) {
        for (double speed : {1.0, 37.5, 50.0, 119.0, 2147483647.0}) {
            for (int count = 1; count <= kMaxEnemyCount; ++count) {
                const std::vector<double> group(static_cast<size_t>(count), speed);
                const ExactRates mixed = ExactRatesForGroup(party.allies, group);
                const ExactRates plain = ExactRatesFor(party.allies, speed, count);
                EXPECT_EQ(mixed.shutOut, plain.shutOut) << speed << " x" << count;
                EXPECT_EQ(mixed.firstStrike, plain.firstStrike) << speed << " x" << count;
            }
        }
    }
}

TEST(ExactGroupRates, OnlyTheFirstEnemyDecidesTheFirstStrike) {
    const double party[5] = {60, 50, 40, 30, 20};
    const ExactRates slowFirst = ExactRatesForGroup(party, std::vector<double>{40, 90});
    const ExactRates fastFirst = ExactRatesForGroup(party, std::vector<double>{90, 40});
    EXPECT_EQ(slowFirst.shutOut, fastFirst.shutOut);
    EXPECT_EQ(slowFirst.firstStrike, ExactShutOutProbability(party, 40, 1));
    EXPECT_EQ(fastFirst.firstStrike, ExactShutOutProbability(party, 90, 1));
    // An enemy the party always outruns changes nothing; one it never outruns ends every hope.
    EXPECT_NEAR(ExactRatesForGroup(party, std::vector<double>{55, 20}).shutOut, ExactShutOutProbability(party, 55, 1), 1e-15);
    EXPECT_EQ(ExactRatesForGroup(party, std::vector<double>{55, 101}).shutOut, 0.0);
}

TEST(ExactGroupRates, RefuseGroupsOutsideTheModel) {
    const double party[5] = {60, 50, 40, 30, 20};
    const std::vector<double> refused[] = {
        {}, std::vector<double>(10, 50), {50, 0.5}, {0.999, 50}, {50, INFINITY}, {NAN}, {50, -50},
    };
    for (const std::vector<double>& group : refused) {
        const ExactRates rates = ExactRatesForGroup(party, group);
        EXPECT_TRUE(std::isnan(rates.shutOut)) << group.size();
        EXPECT_TRUE(std::isnan(rates.firstStrike)) << group.size();
    }
}

void SetAllies(SpeedSimulator& s, const double (&allies)[5]) { std::copy(std::begin(allies), std::end(allies), s.allySpeed); }

TEST(MixedTrials, EqualSpeedsGiveThePlainRunSeedForSeed) {
    struct Case {
        double allies[5];
        double speed;
        int count;
    };
    const Case cases[] = {
        {{60, 50, 40, 30, 20}, 50, 1}, {{60, 50, 40, 30, 20}, 55, 3}, {{100, 0, -5, 0, 0}, 110, 9}, {{3, 2, 1, 0, 0}, 2, 4},
    };
    uint32_t seed = 77;
    for (const Case& c : cases) {
        auto plain = std::make_unique<SpeedSimulator>(seed);
        auto mixed = std::make_unique<SpeedSimulator>(seed++);
        SetAllies(*plain, c.allies);
        SetAllies(*mixed, c.allies);
        plain->enemyCount = c.count;
        RunTrialsPlain(*plain, c.speed);
        RunMixedTrials(*mixed, std::vector<double>(static_cast<size_t>(c.count), c.speed));
        EXPECT_EQ(mixed->winsAll, plain->winsAll) << c.speed << " x" << c.count;
        EXPECT_EQ(mixed->winsFirst, plain->winsFirst) << c.speed << " x" << c.count;
        EXPECT_TRUE(*mixed->engine == *plain->engine) << c.speed << " x" << c.count;
    }
}

TEST(MixedTrials, DrawNothingForAGroupOutsideOneToNine) {
    for (const std::vector<double>& group : {std::vector<double>{}, std::vector<double>(10, 50)}) {
        auto s = std::make_unique<SpeedSimulator>(5);
        s->winsAll = 3;
        s->winsFirst = 3;
        RunMixedTrials(*s, group);
        EXPECT_EQ(s->winsAll, 0.0);
        EXPECT_EQ(s->winsFirst, 0.0);
        EXPECT_TRUE(*s->engine == std::mt19937(5));
    }
}

// One run of 100000 trials per party and group, with fixed seeds, lies within five standard
// errors of 100000 times the exact probabilities, for both counts.
TEST(MixedTrials, AgreeWithTheExactRatesWithinFiveStandardErrors) {
    const Party parties[] = {{{60, 50, 40, 30, 20}}, {{120, 90, 88, 87, 60}}, {{77, 77, 0, -3, 45}}};
    uint32_t seed = 2025;
    for (const Party& party : parties) {
        for (const std::vector<double>& group : kGroups) {
            auto s = std::make_unique<SpeedSimulator>(seed++);
            SetAllies(*s, party.allies);
            RunMixedTrials(*s, group);
            const ExactRates exact = ExactRatesForGroup(party.allies, group);
            for (auto [count, p] : {std::pair{s->winsAll, exact.shutOut}, std::pair{s->winsFirst, exact.firstStrike}}) {
                const double standardError = std::sqrt(kTrialsPerRun * p * (1 - p));
                EXPECT_NEAR(count, kTrialsPerRun * p, 5 * standardError + 1)
                    << "ally " << party.allies[0] << " group of " << group.size() << " from " << group[0] << " p " << p;
            }
        }
    }
}

}  // namespace
}  // namespace kestavel
