#pragma once
// The enemies of a command: N alike (--enemy-speed S --enemies N) or each listed with its own
// speed (--enemy-speeds S1,...), the first listed being the first enemy of the first-strike
// rate.

#include <cstdint>
#include <optional>
#include <vector>

#include "cli/questions/refusal.h"

namespace kestavel::cli {

struct EnemyGroup {
    std::vector<int32_t> listed;  // --enemy-speeds; empty for enemies alike
    int32_t speed = 0;            // enemies alike
    int32_t count = 0;

    bool Listed() const { return !listed.empty(); }
    // One speed per enemy, as the engine takes a group.
    std::vector<double> Speeds() const;
};

// The window's refusal of the group, with the rate calculation's messages and order: a speed
// below 1 first (the first such listed), then a count outside 1 to 9.
std::optional<Refusal> GroupRefusal(const EnemyGroup& group);

}  // namespace kestavel::cli
