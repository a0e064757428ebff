#pragma once
// printf-style formatting into a bounded buffer, done by our own code so that every build
// (the Windows program and the native tools) produces the very same bytes.
//
// Directives: %d and %i (32-bit integer), %u, %s (byte string), %f and %.Nf (fixed point,
// N from 0 to 40, default 6), %%. Fixed point is the exact decimal value of the double,
// correctly rounded, ties to even (so 51.25 with %.1f gives 51.2). Anything else is copied as
// it stands. Every other byte, code page 932 double-byte characters included, is copied as is.

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

    Kind kind() const { return kind_; }
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

// The buffer size that the form commands and the list use.
constexpr size_t kTextBufferSize = 100;

// The exact decimal text of `value` with `precision` digits after the point (see above).
std::string FormatFixed(double value, int precision);

// Whether a byte starts a double-byte character in code page 932.
constexpr bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Cuts `text` to at most `maxBytes` bytes without splitting a double-byte character.
std::string_view TruncateCp932(std::string_view text, size_t maxBytes);

}  // namespace kestavel
