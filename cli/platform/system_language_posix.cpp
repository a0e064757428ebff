#include <cstdlib>
#include <string_view>

#include "cli/platform/system_language.h"

namespace kestavel::cli {

using report::Language;

Language SystemLanguage() {
    // The order in which the C library chooses the messages' locale; "C" and "POSIX" are English.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        return std::string_view(value).starts_with("ja") ? Language::kJapanese : Language::kEnglish;
    }
    return Language::kEnglish;
}

}  // namespace kestavel::cli
