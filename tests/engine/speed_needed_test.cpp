// The speed search, held against a scan of the exact rates over every speed worth trying.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/exact/exact_group_rates.h"
#include "engine/exact/speed_needed.h"

namespace kestavel {
namespace {

double RateAt(const double (&allySpeed)[5], int member, int speed, const std::vector<double>& enemies, bool shutOut) {
    double allies[5];
    std::copy(std::begin(allySpeed), std::end(allySpeed), allies);
    allies[member] = speed;
    const ExactRates rates = ExactRatesForGroup(allies, enemies);
    return shutOut ? rates.shutOut : rates.firstStrike;
}

struct Case {
    double allies[5];
    int member;           // as passed
    int changedMember;    // the one the scan changes
    std::vector<double> enemies;
    bool shutOut;
    double percent;
};

// Beyond 0.6 times this the member is certain to win: every speed up to there, and a little
// past it, is scanned.
int ScanTop(const std::vector<double>& enemies) {
    return static_cast<int>(*std::max_element(enemies.begin(), enemies.end()) / 0.6) + 3;
}

TEST(SpeedNeeded, IsTheFirstSpeedOfAFullScanThatReachesTheTarget) {
    const Case cases[] = {
        {{60, 50, 40, 30, 20}, kFastestMember, 0, {30, 30, 80}, true, 90},
        {{60, 50, 40, 30, 20}, 4, 4, {50, 60}, false, 75},
        {{60, 50, 40, 30, 20}, 4, 4, {50, 60}, true, 62.5},
        {{40, 50, 90, 20, 10}, kFastestMember, 2, {1, 199, 100, 7}, true, 33},
        {{77, 77, 0, -3, 45}, 2, 2, {1, 199, 100, 7}, true, 50},
        {{77, 77, 0, -3, 45}, 3, 3, {50}, false, 99.9},
        {{77, 77, 0, -3, 45}, 3, 3, {50, 50, 50, 50}, true, 99.9},
        {{0, 0, 0, 0, 0}, 0, 0, {45, 46, 47, 48, 49, 50, 51, 52, 53}, true, 100},
        {{120, 90, 88, 87, 60}, 1, 1, {130, 20}, false, 0},
        {{120, 90, 88, 87, 60}, 1, 1, {130, 20}, true, 30},
    };
    for (const Case& c : cases) {
        const SpeedNeeded found = FindSpeedNeeded(c.allies, c.member, c.enemies, c.shutOut, c.percent);
        int expected = 0;
        double previous = RateAt(c.allies, c.changedMember, 0, c.enemies, c.shutOut);
        for (int speed = 1; speed <= ScanTop(c.enemies); ++speed) {
            const double rate = RateAt(c.allies, c.changedMember, speed, c.enemies, c.shutOut);
            ASSERT_GE(rate, previous) << "not monotone at " << speed;
            previous = rate;
            if (expected == 0 && 100 * rate >= c.percent) expected = speed;
        }
        ASSERT_NE(expected, 0);
        EXPECT_TRUE(found.reachable) << c.percent;
        EXPECT_EQ(found.speed, expected) << c.percent;
        EXPECT_EQ(found.rateAtSpeed, RateAt(c.allies, c.changedMember, expected, c.enemies, c.shutOut));
        EXPECT_EQ(found.rateOneBelow, RateAt(c.allies, c.changedMember, expected - 1, c.enemies, c.shutOut));
        EXPECT_EQ(found.limit, 1.0);
    }
}

TEST(SpeedNeeded, BeyondTheLimitGivesTheFirstSpeedOfCertainty) {
    const double allies[5] = {60, 50, 40, 30, 20};
    const std::vector<double> enemies = {80, 30, 30};
    for (bool shutOut : {true, false}) {
        const SpeedNeeded found = FindSpeedNeeded(allies, 0, enemies, shutOut, 100.5);
        int certainFrom = 0;
        for (int speed = 1; speed <= ScanTop(enemies) && certainFrom == 0; ++speed) {
            if (RateAt(allies, 0, speed, enemies, shutOut) == 1.0) certainFrom = speed;
        }
        EXPECT_FALSE(found.reachable);
        EXPECT_EQ(found.speed, certainFrom);
        EXPECT_EQ(found.rateAtSpeed, 1.0);
        EXPECT_LT(found.rateOneBelow, 1.0);
        EXPECT_EQ(found.limit, 1.0);
    }
}

TEST(SpeedNeeded, AnEnemyBeyondTheThirtyTwoBitSpeedsLeavesTheTargetOutOfReach) {
    const double allies[5] = {60, 50, 40, 30, 20};
    const std::vector<double> enemies = {3e9};
    const SpeedNeeded found = FindSpeedNeeded(allies, 0, enemies, true, 50);
    EXPECT_FALSE(found.reachable);
    EXPECT_EQ(found.speed, 2147483647);
    EXPECT_EQ(found.rateAtSpeed, RateAt(allies, 0, 2147483647, enemies, true));
    EXPECT_GT(found.rateAtSpeed, found.rateOneBelow);
    EXPECT_LT(found.rateAtSpeed, 0.5);
    // Within reach again once the target is below what the top speed gives.
    const SpeedNeeded lower = FindSpeedNeeded(allies, 0, enemies, true, 100 * found.rateOneBelow);
    EXPECT_TRUE(lower.reachable);
    EXPECT_LT(lower.speed, 2147483647);
}

TEST(SpeedNeeded, RefusesWhatTheRatesRefuse) {
    const double allies[5] = {60, 50, 40, 30, 20};
    const std::vector<double> group = {50, 60};
    const SpeedNeeded refused[] = {
        FindSpeedNeeded(allies, 5, group, true, 50),
        FindSpeedNeeded(allies, -2, group, true, 50),
        FindSpeedNeeded(allies, 0, std::vector<double>{}, true, 50),
        FindSpeedNeeded(allies, 0, std::vector<double>{50, 0.5}, false, 50),
        FindSpeedNeeded(allies, 0, std::vector<double>(10, 50), false, 50),
        FindSpeedNeeded(allies, 0, group, true, NAN),
    };
    for (const SpeedNeeded& r : refused) {
        EXPECT_FALSE(r.reachable);
        EXPECT_EQ(r.speed, 0);
        EXPECT_TRUE(std::isnan(r.rateAtSpeed) && std::isnan(r.rateOneBelow) && std::isnan(r.limit));
    }
}

}  // namespace
}  // namespace kestavel
