// The enemy-speed search: its range, its checks, its progress texts and, seed by seed, its
// results against the plain reference.

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "engine/estimation/candidate_range.h"
#include "record/enemy_speed_estimation.h"
#include "record/rate_calculation.h"
#include "tests/fakes.h"
#include "tests/engine/reference_model.h"

namespace kestavel {
namespace {

std::unique_ptr<SpeedSimulator> WithAllies(uint32_t seed, const double (&allies)[5], int enemyCount) {
    auto s = std::make_unique<SpeedSimulator>(seed);
    std::copy(std::begin(allies), std::end(allies), s->allySpeed);
    s->enemyCount = enemyCount;
    return s;
}

TEST(CandidateRange, SpansEverySpeedThatCanGoEitherWayAndTheWindowsStopsAt199) {
    // `fullUpper` is the full range's top; the window's is the same up to 199.
    const struct {
        double best;
        int lower, upper, fullUpper;
    } cases[] = {{1, 1, 2, 2}, {3, 1, 6, 6}, {60, 36, 101, 101}, {100, 60, 167, 167}, {119, 71, 199, 199},
                 {120, 72, 199, 201}, {150, 90, 199, 251}, {199, 119, 199, 332},
                 // Beyond what the estimation accepts the range is still defined: no ally, or one so
                 // fast that no candidate of the window's is left.
                 {0, 1, 1, 1}, {-1e300, 1, 1, 1}, {std::numeric_limits<double>::quiet_NaN(), 1, 1, 1},
                 {1e300, 600, 199, 1667}, {std::numeric_limits<double>::infinity(), 600, 199, 1667}};
    for (const auto& c : cases) {
        const CandidateRange range = CandidateRangeFor(c.best);
        EXPECT_EQ(range.lowerSpeed, c.lower) << c.best;
        EXPECT_EQ(range.upperSpeed, c.upper) << c.best;
        const CandidateRange full = FullCandidateRange(c.best);
        EXPECT_EQ(full.lowerSpeed, c.lower) << c.best;
        EXPECT_EQ(full.upperSpeed, c.fullUpper) << c.best;
    }
}

TEST(EstimateEnemySpeed, RefusesInOrderAndTouchesNothing) {
    testing::RecordingProgress progress;
    auto fresh = std::make_unique<SpeedSimulator>(1u);
    EXPECT_EQ(EstimateEnemySpeed(*fresh, kMatchFirstStrike, progress), kEstimateEnemyCountInvalid);

    auto s = WithAllies(1, {0, 0, 0, 0, 0}, 10);
    EXPECT_EQ(EstimateEnemySpeed(*s, 3, progress), kEstimateKindInvalid);
    EXPECT_EQ(EstimateEnemySpeed(*s, kMatchShutOut, progress), kEstimateEnemyCountInvalid);
    s->enemyCount = 2;
    EXPECT_EQ(EstimateEnemySpeed(*s, kMatchShutOut, progress), kEstimateAllySpeedInvalid);
    s->allySpeed[1] = 200;
    EXPECT_EQ(EstimateEnemySpeed(*s, kMatchShutOut, progress), kEstimateAllySpeedInvalid);
    s->allySpeed[1] = -50;  // negative speeds are ignored: still no ally of speed 1 or more
    EXPECT_EQ(EstimateEnemySpeed(*s, kMatchFirstStrike, progress), kEstimateAllySpeedInvalid);
    EXPECT_TRUE(progress.texts.empty());
    EXPECT_EQ(*s->engine, std::mt19937(1));
}

TEST(EstimateEnemySpeed, ReportsProgressPerCandidateThenClearsTheSink) {
    testing::RecordingProgress progress;
    testing::TraceCapture trace;
    auto s = WithAllies(11, {3, 0, 0, 0, 0}, 1);  // candidates 1 to 6
    s->targetFirstRate = 50;
    ASSERT_EQ(EstimateEnemySpeed(*s, kMatchFirstStrike, progress), kEstimateOk);
    const std::vector<std::string> expected = {"計算中: 16.7％", "計算中: 33.3％", "計算中: 50.0％", "計算中: 66.7％",
                                               "計算中: 83.3％", "計算中: 100.0％", "表示準備中...", ""};
    EXPECT_EQ(progress.texts, expected);
    ASSERT_EQ(trace.lines.size(), 6u);
    EXPECT_EQ(trace.lines[0], "6\t1\n");
    EXPECT_EQ(s->candidateSpeed, 6);
}

TEST(EstimateEnemySpeed, RowsBelowSpeedOneStayEmptyAndTakeNoDraws) {
    testing::RecordingProgress progress;
    auto s = WithAllies(5, {1, 0, 0, 0, 0}, 1);  // candidates 1 and 2; speed 2 always wins
    s->targetFirstRate = 99;
    ASSERT_EQ(EstimateEnemySpeed(*s, kMatchFirstStrike, progress), kEstimateOk);
    EXPECT_EQ(s->bestSpeed, 1);
    const int32_t speeds[5] = {0, 0, 1, 2, 3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s->rowSpeed[i], speeds[i]);
    EXPECT_EQ(s->rowFirstRate[0], 0.0);
    EXPECT_EQ(s->rowAllRate[1], 0.0);
    EXPECT_EQ(s->rowFirstRate[4], 0.0);  // speed 3 is never beaten by an ally of speed 1

    // Two candidate runs and three row runs: 5 runs of 6 draws per trial.
    std::mt19937 engine(5);
    engine.discard(5ull * 100000 * 6);
    EXPECT_EQ(*s->engine, engine);
}

struct EstimateCase {
    double allies[5];
    int enemyCount;
    int32_t kind;
    double target;
};

TEST(EstimateEnemySpeed, EqualsTheReferenceSearchSeedBySeed) {
    const EstimateCase cases[] = {
        {{60, 50, 40, 30, 20}, 1, kMatchFirstStrike, 95},
        {{20, -4, 0, 7, 19}, 9, kMatchShutOut, 50},
        {{5, 5, 5, 5, 5}, 3, kMatchShutOut, 1},
        {{2, 0, 0, 0, 0}, 2, kMatchFirstStrike, 99},
        {{199, 0, 0, 0, 0}, 4, kMatchShutOut, 10},  // best near the top: rows run above 199
    };
    uint32_t seed = 100;
    for (const EstimateCase& c : cases) {
        testing::RecordingProgress progress;
        auto s = WithAllies(seed, c.allies, c.enemyCount);
        (c.kind == kMatchFirstStrike ? s->targetFirstRate : s->targetAllRate) = c.target;
        ASSERT_EQ(EstimateEnemySpeed(*s, c.kind, progress), kEstimateOk);

        std::mt19937 engine(seed);
        const reference::Estimate expected = reference::EstimateSpeed(engine, c.allies, c.enemyCount, c.kind, c.target);
        EXPECT_EQ(s->bestSpeed, expected.bestSpeed) << "seed " << seed;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(s->rowSpeed[i], expected.rowSpeed[i]);
            EXPECT_EQ(s->rowAllRate[i], expected.rows[i].winsAll / 1000.0);
            EXPECT_EQ(s->rowFirstRate[i], expected.rows[i].winsFirst / 1000.0);
        }
        EXPECT_EQ(s->winsAll, expected.rows[4].winsAll);  // the bottom row's counts remain
        EXPECT_EQ(*s->engine, engine);
        ++seed;
    }
}

}  // namespace
}  // namespace kestavel
