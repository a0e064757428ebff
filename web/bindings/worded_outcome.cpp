#include "web/bindings/worded_outcome.h"

namespace kestavel::web {

void UseLanguageNamed(const std::string& lang) {
    report::UseLanguage(report::LanguageNamed(lang).value_or(report::Language::kJapanese));
}

}  // namespace kestavel::web
