#pragma once
// The seed of a simulated run: as --seed gives it, or drawn when none is given, so that the run
// can be reported and repeated.

#include <cstdint>
#include <string>

namespace kestavel::cli {

// 0 to 4294967295, read strictly.
uint32_t ParseSeed(const std::string& text);

uint32_t DrawSeed();

}  // namespace kestavel::cli
