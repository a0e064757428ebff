#pragma once
// Colours of the static texts on the black window: labels and group-box captions in white, the
// highlighted result lines in light red.

#include <windows.h>

namespace kestavel::ui {

constexpr COLORREF kTextWhite = RGB(255, 255, 255);
constexpr COLORREF kTextHighlight = RGB(255, 180, 180);  // 0xB4B4FF

// For WM_CTLCOLORSTATIC: prepares `deviceContext` for drawing `control` and returns the brush of
// its background, or null for a control that is neither a label nor a group box.
HBRUSH ColourStatic(HDC deviceContext, HWND control);

}  // namespace kestavel::ui
