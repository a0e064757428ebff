#pragma once
// What the core needs to know of code page 932, the encoding of every text it handles: where a
// double-byte character starts, so that a text is never cut in the middle of one.

#include <cstddef>
#include <string_view>

namespace kestavel {

// Whether a byte starts a double-byte character in code page 932.
constexpr bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Cuts `text` to at most `maxBytes` bytes without splitting a double-byte character.
std::string_view TruncateCp932(std::string_view text, size_t maxBytes);

}  // namespace kestavel
