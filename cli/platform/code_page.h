#pragma once
// Code page 932 and UTF-8, converted by the system's own tables: iconv on POSIX systems, the
// code page functions on Windows. Both are strict, so that the callers decide, the same way on
// every system, what becomes of a byte or character the other side has no form for.

#include <optional>
#include <string>
#include <string_view>

#include "report/text/code_page.h"

namespace kestavel::cli {

using report::Utf8FromCp932;

// The code page 932 of `utf8`, or nothing when some character has no code page 932 form.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8);

}  // namespace kestavel::cli
