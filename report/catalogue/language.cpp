#include "report/catalogue/language.h"

namespace kestavel::report {

std::optional<Language> LanguageNamed(std::string_view name) {
    if (name == "en") return Language::kEnglish;
    if (name == "ja") return Language::kJapanese;
    return std::nullopt;
}

}  // namespace kestavel::report
