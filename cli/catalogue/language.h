#pragma once
// The languages kestavel-cli speaks: its messages, help and result lines other than the
// window's own, each from its catalogue (messages/*.json).

#include <optional>
#include <string_view>

namespace kestavel::cli {

enum class Language { kEnglish, kJapanese };

// "en" and "ja", as --lang takes them.
std::optional<Language> LanguageNamed(std::string_view name);

}  // namespace kestavel::cli
