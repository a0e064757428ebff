#pragma once
// The program's texts are code page 932 bytes; a terminal wants UTF-8.

#include <string>
#include <string_view>

namespace kestavel::cli {

// Converts code page 932 bytes to UTF-8. A byte sequence that is not valid code page 932
// becomes U+FFFD, so any input gives valid UTF-8.
std::string Cp932ToUtf8(std::string_view cp932);

// Converts UTF-8 to code page 932; returns false when the text has no such form.
bool Utf8ToCp932(std::string_view utf8, std::string& cp932);

}  // namespace kestavel::cli
