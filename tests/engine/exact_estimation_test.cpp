// The estimation on exact rates: the closest candidate by the exact rates, the tie rule and the
// table.

#include <gtest/gtest.h>

#include "engine/exact/exact_estimation.h"
#include "engine/exact/exact_rates.h"

namespace kestavel {
namespace {

EstimationInputs Inputs(const double (&allies)[5], int enemies, CountedEvent matched, double percent) {
    EstimationInputs inputs{};
    std::copy(std::begin(allies), std::end(allies), inputs.allySpeed);
    inputs.enemyCount = enemies;
    inputs.matched = matched;
    inputs.observedPercent = percent;
    return inputs;
}

TEST(ExactEstimation, FindsTheClosestSpeed) {
    const double allies[5] = {60, 50, 40, 30, 20};
    // Speed 45 gives 94.44 %, speed 44 95.77 %.
    const Estimation e = EstimateExactly(Inputs(allies, 1, CountedEvent::kFirstStrike, 95), FullCandidateRange(60));
    EXPECT_EQ(e.bestSpeed, 45);
    EXPECT_EQ(e.range.upperSpeed, 101);
    const int expectedRows[5] = {43, 44, 45, 46, 47};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e.table[i].speed, expectedRows[i]);
        EXPECT_EQ(e.table[i].firstStrikeRate, 100 * ExactShutOutProbability(allies, expectedRows[i], 1));
        EXPECT_EQ(e.table[i].shutOutRate, e.table[i].firstStrikeRate);
    }
}

TEST(ExactEstimation, SearchesTheRangeItIsGiven) {
    // Best ally 150: 5 % lies past the window's 199 (9.8 %); 212 gives 5.1 %, 213 4.8 %.
    const double allies[5] = {150, 0, 0, 0, 0};
    const EstimationInputs inputs = Inputs(allies, 1, CountedEvent::kFirstStrike, 5);
    EXPECT_EQ(EstimateExactly(inputs, CandidateRangeFor(150)).bestSpeed, 199);
    const Estimation e = EstimateExactly(inputs, FullCandidateRange(150));
    EXPECT_EQ(e.bestSpeed, 212);
    EXPECT_EQ(e.range.upperSpeed, 251);
}

TEST(ExactEstimation, ShutOutRowsCarryBothRates) {
    const double allies[5] = {60, 50, 40, 30, 20};
    const Estimation e = EstimateExactly(Inputs(allies, 3, CountedEvent::kShutOut, 50), FullCandidateRange(60));
    EXPECT_EQ(e.bestSpeed, 54);  // 51.0 % there, 46.7 % at 55
    EXPECT_NEAR(e.table[2].shutOutRate, 100 * ExactShutOutProbability(allies, 54, 3), 1e-12);
    EXPECT_NEAR(e.table[2].firstStrikeRate, 100 * ExactShutOutProbability(allies, 54, 1), 1e-12);
    EXPECT_LT(e.table[2].shutOutRate, e.table[2].firstStrikeRate);
}

TEST(ExactEstimation, EqualDistancesGoToTheHigherSpeed) {
    // Best ally 3: candidates 1 to 6. Speeds 5 and 6 can never be beaten (0 %), speed 4 is
    // beaten 9.375 % of the time, so an observed 1 % is nearest to 5 and 6 alike.
    const double allies[5] = {3, 0, 0, 0, 0};
    const Estimation e = EstimateExactly(Inputs(allies, 1, CountedEvent::kFirstStrike, 1), FullCandidateRange(3));
    EXPECT_EQ(e.bestSpeed, 6);
    EXPECT_NEAR(e.table[0].firstStrikeRate, 9.375, 1e-12);
    EXPECT_EQ(e.table[4].speed, 8);
    EXPECT_EQ(e.table[4].firstStrikeRate, 0.0);
}

TEST(ExactEstimation, RowsBelowSpeedOneStayEmpty) {
    const double allies[5] = {1, 0, 0, 0, 0};  // candidates 1 (50 %) and 2 (0 %)
    const Estimation e = EstimateExactly(Inputs(allies, 1, CountedEvent::kFirstStrike, 99), FullCandidateRange(1));
    EXPECT_EQ(e.bestSpeed, 1);
    const int32_t speeds[5] = {0, 0, 1, 2, 3};
    const double rates[5] = {0, 0, 50, 0, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e.table[i].speed, speeds[i]);
        EXPECT_EQ(e.table[i].run, speeds[i] != 0);
        EXPECT_NEAR(e.table[i].firstStrikeRate, rates[i], 1e-12);
    }
}

}  // namespace
}  // namespace kestavel
