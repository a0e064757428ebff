#pragma once
// Texts on their way out: the program's and a roster's texts are code page 932 bytes, a
// terminal wants UTF-8, and a roster from anywhere must not reach the terminal's controls.

#include <string>
#include <string_view>

namespace kestavel::report {

// UTF-8 of code page 932 bytes; a byte that is not valid code page 932 reads "\xNN", and so
// does every control character but the tab (C0, DEL; C1 reads "\u0080" to "\u009F"), so that escape
// sequences show as text.
std::string ShownText(std::string_view cp932);

// A text of the window's (text/window_texts.h, maybe formatted) as ShownText gives it. The window's
// texts are code page 932 where the compiler can write them so; emscripten's compiler writes
// every literal as UTF-8, which is taken as it is.
std::string ShownWindowText(std::string_view windowText);

// The same with control characters kept, for JSON, whose writer escapes them itself.
std::string Utf8Text(std::string_view cp932);

// Bytes from the command line, taken as UTF-8: invalid bytes and control characters escaped
// as ShownText does.
std::string ShownArgument(std::string_view bytes);

}  // namespace kestavel::report
