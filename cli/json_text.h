#pragma once
// Writing JSON values.

#include <string>
#include <string_view>

namespace kestavel::cli {

// A JSON string literal, quotes included, of UTF-8 text: quotes, backslashes and control
// characters escaped.
std::string JsonString(std::string_view utf8);

}  // namespace kestavel::cli
