#include "engine/exact/speed_needed.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "engine/exact/exact_group_rates.h"

namespace kestavel {

namespace {

// The rate with `member` at `speed`. It never falls as the speed grows: in every draw of the
// factors the member's initiative, speed times a positive factor, grows with the speed, so
// the party's best initiative never falls, and every turn won at one speed is won at any
// higher one (at 0 the member is absent, and no present member does worse than that). A
// search over whole speeds may therefore halve the range on one comparison.
double RateWithMemberAt(const double (&allySpeed)[kAllyCount], int member, double speed,
                        std::span<const double> enemySpeeds, bool shutOut) {
    double allies[kAllyCount];
    std::copy(std::begin(allySpeed), std::end(allySpeed), allies);
    allies[member] = speed;
    const ExactRates rates = ExactRatesForGroup(allies, enemySpeeds);
    return shutOut ? rates.shutOut : rates.firstStrike;
}

// The speed from which the member is certain to win, one more to spare rounding, held to the
// 32-bit range.
int32_t HighestSpeedWorthSearching(std::span<const double> enemySpeeds) {
    const double fastestEnemy = *std::max_element(enemySpeeds.begin(), enemySpeeds.end());
    const double certain = std::ceil(fastestEnemy / 0.6) + 1;
    constexpr int32_t kHighest = std::numeric_limits<int32_t>::max();
    return certain >= kHighest ? kHighest : static_cast<int32_t>(certain);
}

}  // namespace

SpeedNeeded FindSpeedNeeded(const double (&allySpeed)[kAllyCount], int member, std::span<const double> enemySpeeds,
                            bool shutOut, double percent) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const SpeedNeeded refused = {false, 0, nan, nan, nan};
    if (member == kFastestMember) {
        member = static_cast<int>(std::max_element(std::begin(allySpeed), std::end(allySpeed)) - std::begin(allySpeed));
    }
    if (member < 0 || member >= kAllyCount || std::isnan(percent)) return refused;
    if (std::isnan(ExactRatesForGroup(allySpeed, enemySpeeds).shutOut)) return refused;

    auto rateAt = [&](int32_t speed) { return RateWithMemberAt(allySpeed, member, speed, enemySpeeds, shutOut); };
    const int32_t highest = HighestSpeedWorthSearching(enemySpeeds);
    const double best = rateAt(highest);
    const double wanted = percent / 100;
    const bool reachable = best >= wanted;
    const double target = reachable ? wanted : best;

    // rateAt(high) >= target throughout; the smallest such speed is kept within [low, high].
    int32_t low = 1;
    int32_t high = highest;
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        if (rateAt(middle) >= target) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return {reachable, high, rateAt(high), rateAt(high - 1), 1.0};
}

}  // namespace kestavel
