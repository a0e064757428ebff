#pragma once
// The languages kestavel-cli and the page speak: their messages, help and result lines other
// than the window's own, each from its catalogue (messages/*.json).

#include <optional>
#include <string_view>

namespace kestavel::report {

enum class Language { kEnglish, kJapanese };

// "en" and "ja", as --lang and the page take them.
std::optional<Language> LanguageNamed(std::string_view name);

}  // namespace kestavel::report
