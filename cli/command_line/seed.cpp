#include "cli/command_line/seed.h"

#include <limits>
#include <random>

#include "cli/command_line/strict_numbers.h"

namespace kestavel::cli {

uint32_t ParseSeed(const std::string& text) {
    return static_cast<uint32_t>(ParseStrictInteger(text, 0, std::numeric_limits<uint32_t>::max(), "--seed"));
}

uint32_t DrawSeed() {
    std::random_device device;
    return static_cast<uint32_t>(device());
}

}  // namespace kestavel::cli
