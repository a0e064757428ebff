#pragma once
// The program's one top-level window: class "HP", caption "Kestavel", its menu from the
// resources and the 38 controls of the form.

#include <windows.h>

namespace kestavel::ui {

extern HWND mainWindow;

// Registers the window class "HP"; a failure shows up as the window failing to be created.
void RegisterMainClass(HINSTANCE instance);

// Creates the main window at (30, 30), 700 by 600, with every control; null on failure.
HWND CreateMainWindow(HINSTANCE instance);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kestavel::ui
