#pragma once
// The two fonts of the form: the roster list's and the bold one of the result lines. Created
// once with the window's controls and kept until the process ends, when their holders free them.

#include <windows.h>

namespace kestavel::ui {

// Creates both fonts; a second call keeps the first ones, which the controls still use.
void CreateFormFonts();

// Null before CreateFormFonts, or when the font could not be created.
HFONT ListFont();
HFONT ResultFont();

}  // namespace kestavel::ui
