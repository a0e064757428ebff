#pragma once
// The window handles of the main window's controls, one table per kind of control; a control's
// slot is its identifier minus the first identifier of its kind. Written once while the window
// is created, only read afterwards.

#include <windows.h>

namespace kestavel::ui {

constexpr int kHandleSlots = 30;
constexpr int kGroupBoxSlots = 10;

extern HWND groupBoxHandles[kGroupBoxSlots];  // 900 and up
extern HWND labelHandles[kHandleSlots];       // 1000 and up
extern HWND editHandles[kHandleSlots];        // 2000 and up
extern HWND upDownHandles[kHandleSlots];      // 3000 and up
extern HWND comboHandles[kHandleSlots];       // 4000 and up
extern HWND buttonHandles[kHandleSlots];      // 5000 and up

// The slot that belongs to `controlId`, or null when no table has one.
HWND* HandleSlotOf(int controlId);

// The control's handle; null for an identifier without a control.
HWND ControlHandle(int controlId);

}  // namespace kestavel::ui
