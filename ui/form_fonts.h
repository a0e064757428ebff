#pragma once
// The two fonts of the form: the roster list's and the bold one of the result lines. Created
// once with the window's controls and kept until the process ends.

#include <windows.h>

namespace kestavel::ui {

extern HFONT listFont;
extern HFONT resultFont;

void CreateFormFonts();

}  // namespace kestavel::ui
