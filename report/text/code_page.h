#pragma once
// Code page 932 read as UTF-8 by the tables of the system the program runs on: each program
// supplies this (kestavel-cli from iconv or Windows' code page functions, the page from the
// browser's decoder). Strict, so that the caller decides, the same way everywhere, what becomes
// of a byte that starts no character.

#include <optional>
#include <string>
#include <string_view>

namespace kestavel::report {

// The UTF-8 of `cp932`, or nothing when some byte of it is not valid code page 932.
std::optional<std::string> Utf8FromCp932(std::string_view cp932);

}  // namespace kestavel::report
