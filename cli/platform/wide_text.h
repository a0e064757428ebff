#pragma once
// Windows only: the system speaks UTF-16 (arguments, paths, the console), the program UTF-8.

#include <string>
#include <string_view>

namespace kestavel::cli {

// An unpaired surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// An invalid byte becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace kestavel::cli
