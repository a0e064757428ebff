#pragma once
// The enemy roster: up to 10000 rows, stored column by column with a fixed capacity, so that
// loading a full roster never grows a container.

#include <cstdint>
#include <string>

namespace kestavel {

constexpr int32_t kRosterCapacity = 10000;

struct RosterTable {
    std::string name[kRosterCapacity];   // second token of a line: the enemy's name
    std::string label[kRosterCapacity];  // first token: shown in the list before the number
    int32_t speed[kRosterCapacity];      // fourth field: the enemy's speed, as read
    int32_t number[kRosterCapacity];     // third field: 1 or more, shown after the label
    int32_t rowCount;                    // rows 0 to rowCount - 1 are filled
};

}  // namespace kestavel
