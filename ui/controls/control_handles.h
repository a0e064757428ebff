#pragma once
// The window handles of the main window's controls, one table per kind of control; a control's
// slot is its identifier minus the first identifier of its kind. Written once while the window
// is created, only read afterwards.

#include <windows.h>

#include "commands/control_ids.h"

namespace kestavel::ui {

constexpr int kHandleSlots = 30;
constexpr int kGroupBoxSlots = 10;

// The slot of a control in its kind's table; the only place the first identifier of each kind
// stands for the whole kind.
constexpr int GroupBoxSlot(int controlId) { return controlId - kGroupParty; }
constexpr int LabelSlot(int controlId) { return controlId - kLabelPartyHeading; }
constexpr int FieldSlot(int controlId) { return controlId - kFieldFirstAllySpeed; }
constexpr int UpDownSlot(int controlId) { return controlId - kFirstUpDown; }
constexpr int ListSlot(int controlId) { return controlId - kRosterList; }
constexpr int ButtonSlot(int controlId) { return controlId - kButtonCalculate; }

extern HWND groupBoxHandles[kGroupBoxSlots];
extern HWND labelHandles[kHandleSlots];
extern HWND editHandles[kHandleSlots];
extern HWND upDownHandles[kHandleSlots];
extern HWND comboHandles[kHandleSlots];
extern HWND buttonHandles[kHandleSlots];

// The slot that belongs to `controlId`, or null when no table has one.
HWND* HandleSlotOf(int controlId);

// The control's handle; null for an identifier without a control.
HWND ControlHandle(int controlId);

}  // namespace kestavel::ui
