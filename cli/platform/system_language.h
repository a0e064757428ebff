#pragma once
// The language the user reads, as the system says it: Japanese on a Japanese system, English
// elsewhere.

#include "report/catalogue/language.h"

namespace kestavel::cli {

using report::Language;

// POSIX: the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty, Japanese when it
// starts with "ja". Windows: the user's display language.
Language SystemLanguage();

}  // namespace kestavel::cli
