#pragma once
// "How fast must this member be?": the smallest whole speed of one party member at which an
// exact rate reaches a percent.

#include <cstdint>
#include <optional>

#include "analysis/inputs/enemy_group.h"
#include "analysis/inputs/party.h"
#include "analysis/inputs/refusal.h"
#include "engine/exact/speed_needed.h"

namespace kestavel::analysis {

struct NeedRequest {
    Party allies{};
    EnemyGroup enemies{};
    std::optional<int32_t> firstStrike{};  // one of the two: the percent to reach, in kTargetPercentRange
    std::optional<int32_t> shutOut{};
    std::optional<int32_t> member{};       // from 1; the fastest (the first of equals) when not given
};

struct NeedAnswer {
    NeedRequest request;
    int32_t member = 0;  // from 1
    SpeedNeeded found{};
};

Outcome<NeedAnswer> AnswerNeed(const NeedRequest& request);

}  // namespace kestavel::analysis
