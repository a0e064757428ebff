#pragma once
// The 38 controls of the main window: created once, in a fixed layout, when the window is created.

#include <windows.h>

namespace kestavel::ui {

// The roster list's first entry, shown until an enemy is chosen.
inline constexpr const char* kRosterPlaceholder = "すばやさを検索";

// Creates the fonts and every control in `parent`, storing each handle in its table. A control
// that cannot be created leaves its slot null.
void CreateControls(HWND parent, HINSTANCE instance);

}  // namespace kestavel::ui
