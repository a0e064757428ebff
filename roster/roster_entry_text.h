#pragma once
// A roster row as the enemy list shows it.

#include <cstdint>
#include <string>

#include "roster/roster_table.h"

namespace kestavel {

// Label, number, ") ", name: "X3) Y".
std::string RosterEntryText(const RosterTable& table, int32_t row);

}  // namespace kestavel
