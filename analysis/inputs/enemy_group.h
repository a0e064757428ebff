#pragma once
// The enemies of a question: N alike, or each listed with its own speed, the first listed being
// the first enemy of the first-strike rate.

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/inputs/refusal.h"

namespace kestavel::analysis {

struct EnemyGroup {
    std::vector<int32_t> listed{};  // one speed per enemy; empty for enemies alike
    int32_t speed = 0;            // enemies alike
    int32_t count = 0;            // with a listed group, its size

    bool Listed() const { return !listed.empty(); }
    // One speed per enemy, as the engine takes a group.
    std::vector<double> Speeds() const;
};

// The rate calculation's checks of a group, in its order: a speed below 1 first (the first
// such listed), then a count outside 1 to 9.
std::optional<Refusal> GroupRefusal(const EnemyGroup& group);

// The count alone.
std::optional<Refusal> EnemyCountRefusal(int32_t count);

}  // namespace kestavel::analysis
