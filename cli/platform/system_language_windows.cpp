#include <windows.h>

#include "cli/platform/system_language.h"

namespace kestavel::cli {

using report::Language;

// The language Windows shows its own menus in, as the user chose it: not the region or the
// code page for programs that are not Unicode, which a user may set to Japanese for old games
// while reading English.
Language SystemLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::kJapanese : Language::kEnglish;
}

}  // namespace kestavel::cli
