// The simulator record, the initiative factor, runs and the direct rate calculation, checked
// against the plain reference loop seed by seed.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "record/speed_simulator.h"
#include "record/rate_calculation.h"
#include "tests/fakes.h"
#include "tests/engine/reference_model.h"

namespace kestavel {
namespace {

std::unique_ptr<SpeedSimulator> Seeded(uint32_t seed) { return std::make_unique<SpeedSimulator>(seed); }

void SetAllies(SpeedSimulator& s, const double (&allies)[5]) { std::copy(std::begin(allies), std::end(allies), s.allySpeed); }

TEST(SimulatorRecord, StartsAtZeroAndRefusesItsOwnEmptyInput) {
    auto s = Seeded(7);
    EXPECT_EQ(s->enemyCount, 0);
    for (double v : s->allySpeed) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(s->winsAll, 0.0);
    EXPECT_EQ(s->roster.rowCount, 0);
    EXPECT_EQ(s->roster.speed[9999], 0);
    EXPECT_TRUE(s->roster.name[0].empty());
    EXPECT_EQ(CalculateRates(*s), kRateEnemySpeedInvalid);
}

TEST(SimulatorRecord, SeedsTheEngineWithTheStandardSingleValueSeeding) {
    auto s = Seeded(12345);
    std::mt19937 expected(12345);
    EXPECT_EQ(*s->engine, expected);
    auto unseeded = std::make_unique<SpeedSimulator>();
    EXPECT_NE(unseeded->engine, nullptr);
}

TEST(InitiativeFactor, MapsTheEngineOutputOntoSixTenthsToOne) {
    EXPECT_EQ(InitiativeFactorOf(0), 0.6);
    EXPECT_EQ(InitiativeFactorOf(0x80000000u), 0.8);
    EXPECT_EQ(InitiativeFactorOf(0xFFFFFFFFu), 0.9999999999068677);
    EXPECT_LT(InitiativeFactorOf(0xFFFFFFFFu), 1.0);
}

TEST(InitiativeFactor, TakesExactlyOneEngineOutput) {
    auto s = Seeded(99);
    std::mt19937 expected(99);
    for (int i = 0; i < 1000; ++i) {
        const uint32_t r = static_cast<uint32_t>(expected());
        ASSERT_EQ(DrawInitiativeFactor(*s), InitiativeFactorOf(r));
    }
    EXPECT_EQ(*s->engine, expected);
}

struct RunCase {
    double allies[5];
    double enemySpeed;
};

// Runs equal the reference loop: counts, and the engine's position afterwards.
TEST(RunTrials, EqualsTheReferenceLoopSeedBySeed) {
    const RunCase cases[] = {
        {{60, 50, 40, 30, 20}, 50},  {{0, 0, 0, 0, 0}, 1},          {{-5, 1, 0, 0, 0}, 1},
        {{1, 0, 0, 0, 0}, 2},        {{199, 0, 0, 0, 0}, 199},      {{200, 150, 0, 0, 0}, 200},
        {{2147483647, 0, 0, 0, 0}, 2147483647.0}, {{100, 100, 100, 100, 100}, 120}, {{-2147483648.0, 3, 2, 1, 0}, 2},
    };
    uint32_t seed = 1;
    for (const RunCase& c : cases) {
        for (int enemies = 1; enemies <= 9; ++enemies, ++seed) {
            auto s = Seeded(seed);
            SetAllies(*s, c.allies);
            s->enemyCount = enemies;
            RunTrials(*s, c.enemySpeed);

            std::mt19937 engine(seed);
            const reference::Counts expected = reference::Run(engine, c.allies, c.enemySpeed, enemies);
            ASSERT_EQ(s->winsAll, expected.winsAll) << "seed " << seed << " enemies " << enemies;
            ASSERT_EQ(s->winsFirst, expected.winsFirst) << "seed " << seed << " enemies " << enemies;
            ASSERT_EQ(*s->engine, engine) << "seed " << seed;
        }
    }
}

TEST(RunTrials, KnownOutcomes) {
    auto s = Seeded(3);
    s->enemyCount = 3;
    SetAllies(*s, {100, 0, 0, 0, 0});
    RunTrials(*s, 60);  // the ally is never below 60, the enemy always below
    EXPECT_EQ(s->winsAll, 100000);
    EXPECT_EQ(s->winsFirst, 100000);
    SetAllies(*s, {60, 0, 0, 0, 0});
    RunTrials(*s, 100);
    EXPECT_EQ(s->winsAll, 0);
    EXPECT_EQ(s->winsFirst, 0);

    s->enemyCount = 1;
    SetAllies(*s, {60, 50, 40, 30, 20});
    for (int speed : {40, 60, 80}) {
        RunTrials(*s, speed);
        EXPECT_EQ(s->winsAll, s->winsFirst);  // one enemy: both events are the same
    }
    s->enemyCount = 9;
    RunTrials(*s, 55);
    EXPECT_LE(s->winsAll, s->winsFirst);
    EXPECT_GT(s->winsAll, 0);
}

TEST(CalculateRates, ChecksTheSpeedThenTheCountAndKeepsOldCountsOnRefusal) {
    testing::TraceCapture trace;
    auto s = Seeded(5);
    s->winsAll = 12;
    s->winsFirst = 34;
    s->enemySpeed = 0;
    s->enemyCount = 10;
    EXPECT_EQ(CalculateRates(*s), kRateEnemySpeedInvalid);
    s->enemySpeed = 1;
    s->enemyCount = 0;
    EXPECT_EQ(CalculateRates(*s), kRateEnemyCountInvalid);
    s->enemyCount = 10;
    EXPECT_EQ(CalculateRates(*s), kRateEnemyCountInvalid);
    EXPECT_EQ(s->winsAll, 12);
    EXPECT_EQ(s->winsFirst, 34);
    EXPECT_TRUE(trace.lines.empty());
    EXPECT_EQ(*s->engine, std::mt19937(5));

    s->enemyCount = 1;  // every ally speed 0: accepted, never wins
    EXPECT_EQ(CalculateRates(*s), kRateOk);
    EXPECT_EQ(s->winsAll, 0);
    EXPECT_EQ(trace.lines, std::vector<std::string>{"0\t0\n"});
}

TEST(CalculateRates, TracesTheTwoCounts) {
    testing::TraceCapture trace;
    auto s = Seeded(42);
    SetAllies(*s, {60, 50, 40, 30, 20});
    s->enemySpeed = 50;
    s->enemyCount = 2;
    ASSERT_EQ(CalculateRates(*s), kRateOk);
    std::mt19937 engine(42);
    const auto expected = reference::Run(engine, {60, 50, 40, 30, 20}, 50, 2);
    EXPECT_EQ(s->winsAll, expected.winsAll);
    EXPECT_EQ(trace.lines, std::vector<std::string>{std::to_string(expected.winsAll) + "\t" +
                                                    std::to_string(expected.winsFirst) + "\n"});
}

}  // namespace
}  // namespace kestavel
