#pragma once
// The smallest whole speed a party member needs for an exact rate to reach a target.

#include <cstdint>
#include <span>

#include "engine/trial_limits.h"

namespace kestavel {

// Stands for the party's fastest member (the first of equals) where a member index is asked.
constexpr int kFastestMember = -1;

struct SpeedNeeded {
    // Whether some speed from 1 to 2147483647 reaches the target.
    bool reachable;
    // The smallest such speed. When none reaches it: the smallest speed at which the rate is
    // as high as it gets within that range, the best the member can do.
    int32_t speed;
    double rateAtSpeed;   // the exact rate at `speed`, a probability
    double rateOneBelow;  // at `speed` - 1; at 0 the member is absent
    // What the rate approaches as the member's speed grows: 1, reached exactly once 0.6 times
    // its speed is at least the fastest enemy's speed, since its initiative then exceeds every
    // enemy's whatever the factors.
    double limit;
};

// The smallest whole speed of party member `member` (0 to 4, or kFastestMember), the other
// members' speeds as given, at which the exact shut-out rate against `enemySpeeds` (when
// `shutOut`) or the first-strike rate against its first enemy reaches `percent` percent. The
// enemies as ExactRatesForGroup takes them. An invalid member, group or a NaN `percent`
// gives a result that is not reachable, with speed 0 and NaN rates and limit.
SpeedNeeded FindSpeedNeeded(const double (&allySpeed)[kAllyCount], int member, std::span<const double> enemySpeeds,
                            bool shutOut, double percent);

}  // namespace kestavel
