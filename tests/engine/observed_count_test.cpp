// The binomial tails and interval behind --observed, and the fit of a count to enemy speeds.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/exact/binomial_interval.h"
#include "engine/exact/exact_rates.h"
#include "engine/exact/observed_count_fit.h"

namespace kestavel {
namespace {

TEST(BinomialTails, MatchHighPrecisionSums) {
    // Reference values summed term by term at 40 digits.
    EXPECT_NEAR(BinomialAtMost(480, 1000, 0.5), 0.10872414660207047, 1e-14);
    EXPECT_NEAR(BinomialAtMost(520, 1000, 0.5), 0.90261683576911726, 1e-14);
    EXPECT_NEAR(BinomialAtLeast(30, 100000, 0.0002), 0.021806954198216320, 1e-14);
    EXPECT_NEAR(BinomialAtMost(95000, 100000, 0.951), 0.072814845872190247, 1e-14);
    EXPECT_NEAR(BinomialAtMost(3, 20, 0.9) / 8.46630999999996863e-15, 1.0, 1e-12);
}

TEST(BinomialTails, Boundaries) {
    EXPECT_EQ(BinomialAtMost(-1, 10, 0.3), 0.0);
    EXPECT_EQ(BinomialAtMost(10, 10, 0.3), 1.0);
    EXPECT_EQ(BinomialAtLeast(0, 10, 0.3), 1.0);
    EXPECT_EQ(BinomialAtMost(0, 10, 0.0), 1.0);
    EXPECT_EQ(BinomialAtMost(9, 10, 1.0), 0.0);
    EXPECT_NEAR(BinomialAtLeast(10, 10, 0.5), std::ldexp(1.0, -10), 1e-18);
    // A million trials: the log-gamma terms near 1.3e7 carry about 1e-12 of absolute error.
    EXPECT_NEAR(BinomialAtMost(1, 1000000, 1e-6), 0.73575888234291530, 1e-11);
}

// Interval ends solved to 1e-15 from exact binomial sums.
TEST(ClopperPearson, KeepsExactlyTheProbabilitiesBetweenItsEnds) {
    struct Case {
        BinomialCount count;
        double lower, upper;
    };
    const Case cases[] = {
        {{19, 20}, 0.7512672372279722, 0.9987349105020501}, {{0, 10}, 0.0, 0.3084971078187607},
        {{5, 10}, 0.18708602844739852, 0.8129139715526014}, {{20, 20}, 0.8315665290169146, 1.0},
        {{1, 3}, 0.008403758659612634, 0.9057006759497539},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count.successes << "/" << c.count.trials);
        EXPECT_TRUE(InClopperPearsonInterval(c.lower + 1e-9, c.count, 0.95));
        EXPECT_TRUE(InClopperPearsonInterval(c.upper - 1e-9, c.count, 0.95));
        if (c.lower > 0) {
            EXPECT_FALSE(InClopperPearsonInterval(c.lower - 1e-9, c.count, 0.95));
        }
        if (c.upper < 1) {
            EXPECT_FALSE(InClopperPearsonInterval(c.upper + 1e-9, c.count, 0.95));
        }
    }
}

TEST(BinomialLikelihood, IsMinusInfinityWhereTheCountIsImpossible) {
    EXPECT_EQ(BinomialLogLikelihood(1.0, {20, 20}), 0.0);
    EXPECT_EQ(BinomialLogLikelihood(0.0, {0, 20}), 0.0);
    EXPECT_EQ(BinomialLogLikelihood(1.0, {19, 20}), -INFINITY);
    EXPECT_EQ(BinomialLogLikelihood(0.0, {1, 20}), -INFINITY);
    EXPECT_NEAR(BinomialLogLikelihood(0.95, {19, 20}), 19 * std::log(0.95) + std::log(0.05), 1e-12);
}

TEST(ObservedCountFit, NineteenFirstStrikesInTwenty) {
    const double allies[5] = {60, 50, 40, 30, 20};
    const ObservedCountFit fit = FitObservedCount(allies, 1, {19, 20}, FullCandidateRange(60));
    EXPECT_EQ(fit.range.lowerSpeed, 36);
    EXPECT_EQ(fit.range.upperSpeed, 101);
    ASSERT_FALSE(fit.consistent.empty());
    // Every candidate is in the list exactly when its rate is in the interval, and the list is
    // one unbroken span of speeds.
    for (int32_t speed = fit.range.lowerSpeed; speed <= fit.range.upperSpeed; ++speed) {
        const double p = ExactShutOutProbability(allies, speed, 1);
        const bool listed = speed >= fit.consistent.front().speed && speed <= fit.consistent.back().speed;
        EXPECT_EQ(listed, p >= 0.7512672372279722 && p <= 0.9987349105020501) << speed;
    }
    EXPECT_EQ(fit.consistent.back().speed - fit.consistent.front().speed + 1, static_cast<int>(fit.consistent.size()));
    // The likeliest speed's rate is the one nearest 95 % on either side.
    const int32_t ml = fit.likeliest.speed;
    EXPECT_EQ(fit.likeliest.probability, ExactShutOutProbability(allies, ml, 1));
    EXPECT_GT(BinomialLogLikelihood(fit.likeliest.probability, {19, 20}),
              BinomialLogLikelihood(ExactShutOutProbability(allies, ml - 1, 1), {19, 20}));
    EXPECT_GT(BinomialLogLikelihood(fit.likeliest.probability, {19, 20}),
              BinomialLogLikelihood(ExactShutOutProbability(allies, ml + 1, 1), {19, 20}));
}

TEST(ObservedCountFit, TiesGoToTheHigherSpeedAndAllOrNothingCounts) {
    const double allies[5] = {100, 0, 0, 0, 0};
    // Every shut-out: each speed up to 60 gives certainty, the highest of them is the likeliest.
    ObservedCountFit fit = FitObservedCount(allies, 3, {20, 20}, FullCandidateRange(100));
    EXPECT_EQ(fit.likeliest.speed, 60);
    EXPECT_EQ(fit.likeliest.probability, 1.0);
    EXPECT_EQ(fit.consistent.front().speed, 60);
    // None: the speeds from 100 / 0.6 up are certain losses; the top of the range wins the tie.
    fit = FitObservedCount(allies, 3, {0, 20}, FullCandidateRange(100));
    EXPECT_EQ(fit.likeliest.speed, 167);
    EXPECT_EQ(fit.consistent.back().speed, 167);
}

TEST(ObservedCountFit, ALargeCountCanRuleOutEverySpeed) {
    // Against one ally of 100 the rate is 50 % at speed 100 and 51.99 % at 99; 50.5 % of a
    // million fights lies between them, too far from either.
    const double allies[5] = {100, 0, 0, 0, 0};
    ObservedCountFit fit = FitObservedCount(allies, 1, {505000, 1000000}, FullCandidateRange(100));
    EXPECT_TRUE(fit.consistent.empty());
    EXPECT_EQ(fit.likeliest.speed, 100);
    fit = FitObservedCount(allies, 1, {499900, 1000000}, FullCandidateRange(100));
    ASSERT_EQ(fit.consistent.size(), 1u);
    EXPECT_EQ(fit.consistent[0].speed, 100);
}

}  // namespace
}  // namespace kestavel
