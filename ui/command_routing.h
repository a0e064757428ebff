#pragma once
// What the main window does with WM_COMMAND: the three buttons, the roster list's selection
// change and the menu's quit item.

#include <windows.h>

namespace kestavel::ui {

void RouteCommand(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace kestavel::ui
