// The estimation on exact rates, in the engine and behind the estimation command's form.

#include <gtest/gtest.h>

#include <memory>

#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/exact/exact_estimation.h"
#include "engine/exact/exact_rates.h"
#include "fakes.h"

namespace kestavel {
namespace {

std::unique_ptr<SpeedSimulator> Party(const double (&allies)[5], int enemies) {
    auto s = std::make_unique<SpeedSimulator>(11u);
    std::copy(std::begin(allies), std::end(allies), s->allySpeed);
    s->enemyCount = enemies;
    return s;
}

TEST(ExactEstimation, RefusesLikeTheSimulatedSearchAndChangesNothing) {
    auto s = Party({60, 0, 0, 0, 0}, 1);
    s->bestSpeed = 77;
    s->rowSpeed[2] = 5;
    EXPECT_EQ(EstimateEnemySpeedExactly(*s, 3), kEstimateKindInvalid);
    s->enemyCount = 10;
    EXPECT_EQ(EstimateEnemySpeedExactly(*s, kMatchShutOut), kEstimateEnemyCountInvalid);
    s->enemyCount = 1;
    s->allySpeed[0] = 200;
    EXPECT_EQ(EstimateEnemySpeedExactly(*s, kMatchFirstStrike), kEstimateAllySpeedInvalid);
    s->allySpeed[0] = 0;
    EXPECT_EQ(EstimateEnemySpeedExactly(*s, kMatchFirstStrike), kEstimateAllySpeedInvalid);
    EXPECT_EQ(s->bestSpeed, 77);
    EXPECT_EQ(s->rowSpeed[2], 5);
}

TEST(ExactEstimation, FindsTheClosestSpeedAndDrawsNothing) {
    auto s = Party({60, 50, 40, 30, 20}, 1);
    s->targetFirstRate = 95;  // speed 45 gives 94.44 %, speed 44 95.77 %
    s->winsAll = 123;
    ASSERT_EQ(EstimateEnemySpeedExactly(*s, kMatchFirstStrike), kEstimateOk);
    EXPECT_EQ(s->bestSpeed, 45);
    EXPECT_EQ(s->candidateSpeed, 101);
    EXPECT_EQ(s->winsAll, 123);
    EXPECT_EQ(*s->engine, std::mt19937(11));
    const int expectedRows[5] = {43, 44, 45, 46, 47};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s->rowSpeed[i], expectedRows[i]);
        EXPECT_EQ(s->rowFirstRate[i], 100 * ExactShutOutProbability(s->allySpeed, expectedRows[i], 1));
        EXPECT_EQ(s->rowAllRate[i], s->rowFirstRate[i]);
    }
}

TEST(ExactEstimation, ShutOutRowsCarryBothRates) {
    auto s = Party({60, 50, 40, 30, 20}, 3);
    s->targetAllRate = 50;
    ASSERT_EQ(EstimateEnemySpeedExactly(*s, kMatchShutOut), kEstimateOk);
    EXPECT_EQ(s->bestSpeed, 54);  // 51.0 % there, 46.7 % at 55
    EXPECT_NEAR(s->rowAllRate[2], 100 * ExactShutOutProbability(s->allySpeed, 54, 3), 1e-12);
    EXPECT_NEAR(s->rowFirstRate[2], 100 * ExactShutOutProbability(s->allySpeed, 54, 1), 1e-12);
    EXPECT_LT(s->rowAllRate[2], s->rowFirstRate[2]);
}

TEST(ExactEstimation, EqualDistancesGoToTheHigherSpeed) {
    // Best ally 3: candidates 1 to 6. Speeds 5 and 6 can never be beaten (0 %), speed 4 is
    // beaten 9.375 % of the time, so an observed 1 % is nearest to 5 and 6 alike.
    auto s = Party({3, 0, 0, 0, 0}, 1);
    s->targetFirstRate = 1;
    ASSERT_EQ(EstimateEnemySpeedExactly(*s, kMatchFirstStrike), kEstimateOk);
    EXPECT_EQ(s->bestSpeed, 6);
    EXPECT_NEAR(s->rowFirstRate[0], 9.375, 1e-12);
    EXPECT_EQ(s->rowSpeed[4], 8);
    EXPECT_EQ(s->rowFirstRate[4], 0.0);
}

TEST(ExactEstimation, RowsBelowSpeedOneStayEmpty) {
    auto s = Party({1, 0, 0, 0, 0}, 1);  // candidates 1 (50 %) and 2 (0 %)
    s->targetFirstRate = 99;
    ASSERT_EQ(EstimateEnemySpeedExactly(*s, kMatchFirstStrike), kEstimateOk);
    EXPECT_EQ(s->bestSpeed, 1);
    const int32_t speeds[5] = {0, 0, 1, 2, 3};
    const double rates[5] = {0, 0, 50, 0, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s->rowSpeed[i], speeds[i]);
        EXPECT_NEAR(s->rowFirstRate[i], rates[i], 1e-12);
    }
}

int32_t ExactSearch(SpeedSimulator& s, int32_t kind, ProgressSink&) { return EstimateEnemySpeedExactly(s, kind); }

TEST(ExactEstimateCommand, KeepsTheWindowsChecksMessagesAndTable) {
    testing::FakeForm form;
    for (int n = 0; n < 5; ++n) form.texts[kFieldFirstAllySpeed + n] = std::to_string(60 - 10 * n);
    form.texts[kFieldObservedFirstStrike] = "100";
    auto s = Party({0, 0, 0, 0, 0}, 0);
    EXPECT_EQ(OnEstimateWith(*s, form, kMatchFirstStrike, ExactSearch), 1);
    EXPECT_EQ(form.texts[kLabelEstimateStatus], "1％から99％で入力してください");

    form.texts[kFieldObservedFirstStrike] = "95";
    ASSERT_EQ(OnEstimateWith(*s, form, kMatchFirstStrike, ExactSearch), 0);
    EXPECT_EQ(form.texts[kLabelEstimateStatus], "敵素早\t先制率　1体完封率");
    EXPECT_EQ(form.texts[kLabelTableFirstRow + 2], "　45\t 94.4\t 94.4");
    EXPECT_EQ(form.texts[kLabelTableFirstRow + 4], "　47\t 91.1\t 91.1");

    form.texts[kFieldShutOutEnemyCount] = "3";
    form.texts[kFieldObservedShutOut] = "50";
    form.texts[kFieldFirstAllySpeed] = "200";
    EXPECT_EQ(OnEstimateWith(*s, form, kMatchShutOut, ExactSearch), 1);
    EXPECT_EQ(form.texts[kLabelEstimateStatus], "味方の素早さが不正な値です");
    EXPECT_EQ(form.texts[kLabelTableFirstRow], "");
}

}  // namespace
}  // namespace kestavel
