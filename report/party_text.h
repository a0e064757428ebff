#pragma once
// Speeds as the command line takes them back: "60,50,40".

#include <cstdint>
#include <string>
#include <vector>

namespace kestavel::report {

std::string PartyText(const std::vector<int32_t>& speeds);

}  // namespace kestavel::report
