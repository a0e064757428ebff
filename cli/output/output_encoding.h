#pragma once
// The bytes of text written to a file or a pipe: UTF-8, or code page 932 for the tools of
// Japanese Windows that read the ANSI code page. (A console is written as characters.)

#include <optional>
#include <string>
#include <string_view>

namespace kestavel::cli {

enum class Encoding { kUtf8, kCp932 };

// "utf-8" and "cp932".
std::optional<Encoding> EncodingNamed(std::string_view name);

// `utf8` in `encoding`; a character code page 932 has no form for becomes '?'.
std::string EncodedText(Encoding encoding, std::string_view utf8);

}  // namespace kestavel::cli
