#pragma once
// The texts of kestavel-cli and the page, looked up by key in the catalogue of the language in use. The
// catalogues are data (messages/en.json and messages/ja.json, UTF-8), carried inside the
// program; a text is UTF-8 and goes out as it is, never through the code page 932 conversion
// of the window's texts.

#include <initializer_list>
#include <string>
#include <string_view>

#include "report/catalogue/language.h"
#include "text/text_format.h"

namespace kestavel::report {

// From here on every text is in `language`. Until it is called, English holds: kestavel-cli
// chooses the system's language before anything else.
void UseLanguage(Language language);

// The text of `key` formatted with `args` (the directives of FormatText, %% for a percent
// sign), whole: a catalogue text is UTF-8, which FormatText's cut would not respect. A key the
// catalogue lacks gives the key itself (the catalogue test holds every key the sources use).
// Keys are written as literals at each call, where the catalogue test finds them.
std::string Say(std::string_view key, std::initializer_list<FormatArg> args = {});

}  // namespace kestavel::report
