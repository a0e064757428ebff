#pragma once
// std::mt19937's words worked out from the engine's definition, not from any library's: for
// tests that build its state text in either form, whichever form the library at hand writes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestavel::testing {

// words[0, 624) are what seeding makes, and output i is words[624 + i] tempered.
inline std::vector<uint32_t> TwisterWords(uint32_t seed, size_t outputs) {
    std::vector<uint32_t> x(624 + outputs);
    x[0] = seed;
    for (uint32_t i = 1; i < 624; ++i) x[i] = 1812433253u * (x[i - 1] ^ (x[i - 1] >> 30)) + i;
    for (size_t i = 624; i < x.size(); ++i) {
        const uint32_t y = (x[i - 624] & 0x80000000u) | (x[i - 623] & 0x7FFFFFFFu);
        x[i] = x[i - 227] ^ (y >> 1) ^ ((y & 1u) != 0 ? 0x9908B0DFu : 0u);
    }
    return x;
}

}  // namespace kestavel::testing
