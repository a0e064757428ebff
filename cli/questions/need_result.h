#pragma once
// `need`: the smallest whole speed a party member needs for an exact rate to reach a percent.

#include <cstdint>
#include <optional>

#include "cli/questions/encounter/enemy_group.h"
#include "cli/questions/encounter/party.h"
#include "cli/questions/refusal.h"
#include "engine/exact/speed_needed.h"

namespace kestavel::cli {

struct NeedInputs {
    Party allies;
    EnemyGroup enemies;
    std::optional<int32_t> firstStrike;  // one of the two: the percent to reach
    std::optional<int32_t> shutOut;
    std::optional<int32_t> member;       // from 1; the fastest when not given
};

constexpr int32_t kMostNeedPercent = 100;

struct NeedResult {
    NeedInputs inputs;
    int32_t member = 0;  // from 1: as given, or the fastest (the first of equals)
    SpeedNeeded found{};
};

Outcome<NeedResult> RunNeed(const NeedInputs& inputs);

}  // namespace kestavel::cli
