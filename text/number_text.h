#pragma once
// Reading a whole number from the start of a text, the way the form fields are read.

#include <cstdint>
#include <string_view>

namespace kestavel {

// Skips leading white space (space, tab, LF, VT, FF, CR), takes an optional sign and the
// decimal digits that follow, and ignores the rest. A text without digits gives 0. A value
// beyond the 32-bit range gives the nearest limit, on every platform alike.
int32_t ParseLeadingInt(std::string_view text);

// True for the six bytes that count as white space in fields and roster lines.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace kestavel
