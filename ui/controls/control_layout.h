#pragma once
// The 38 controls of the main window: created once, in a fixed layout, when the window is created.

#include <windows.h>

namespace kestavel::ui {

// Creates the fonts and every control in `parent`, storing each handle in its table. A control
// that cannot be created leaves its slot null.
void CreateControls(HWND parent, HINSTANCE instance);

}  // namespace kestavel::ui
