#pragma once
// printf-style formatting into a bounded buffer, done by our own code so that every build
// (the Windows program and the native tools) produces the very same bytes.
//
// Directives: %d and %i (32-bit integer), %u, %s (byte string), %f and %.Nf (fixed point,
// N from 0 to 40, default 6), %%. Fixed point is the exact decimal value of the double,
// correctly rounded, ties to even (so 51.25 with %.1f gives 51.2): the text std::to_chars gives,
// written by our own code (fixed_point.cpp) because not every standard library the core is
// built with has it, where printf's rounding is the C library's own. Anything else is
// copied as it stands. Every other byte, code page 932 double-byte characters included, is
// copied as is.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kestavel {

class FormatArg {
public:
    enum class Kind { Integer, Real, Text };

    FormatArg(int v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(long v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(long long v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(unsigned v) : kind_(Kind::Integer), integer_(v) {}
    FormatArg(double v) : kind_(Kind::Real), real_(v) {}
    FormatArg(const char* v) : kind_(Kind::Text), text_(v ? v : "") {}
    FormatArg(const std::string& v) : kind_(Kind::Text), text_(v) {}
    FormatArg(std::string_view v) : kind_(Kind::Text), text_(v) {}

    long long AsInteger() const;
    double AsReal() const;
    std::string_view AsText() const { return kind_ == Kind::Text ? text_ : std::string_view{}; }

private:
    Kind kind_;
    long long integer_ = 0;
    double real_ = 0;
    std::string_view text_;
};

// Formats into at most capacity - 1 bytes, as a buffer of `capacity` bytes with its
// terminating zero would hold. A longer result is cut, never in the middle of a code page 932
// double-byte character.
std::string FormatText(size_t capacity, std::string_view format, std::initializer_list<FormatArg> args);

// Digits after the point that %.Nf writes at most.
constexpr int kMostFixedDigits = 40;

// The buffer size that the form commands and the list use.
constexpr size_t kTextBufferSize = 100;

// The exact decimal text of `value` with `precision` digits after the point (see above); nan
// and inf for those values, with a minus sign when the sign bit is set.
std::string FormatFixed(double value, int precision);

}  // namespace kestavel
