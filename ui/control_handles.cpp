#include "ui/control_handles.h"

namespace kestavel::ui {

HWND groupBoxHandles[kGroupBoxSlots] = {};
HWND labelHandles[kHandleSlots] = {};
HWND editHandles[kHandleSlots] = {};
HWND upDownHandles[kHandleSlots] = {};
HWND comboHandles[kHandleSlots] = {};
HWND buttonHandles[kHandleSlots] = {};

namespace {

struct HandleTable {
    int firstId;
    int slots;
    HWND* handles;
};

const HandleTable kTables[] = {
    {900, kGroupBoxSlots, groupBoxHandles}, {1000, kHandleSlots, labelHandles},
    {2000, kHandleSlots, editHandles},      {3000, kHandleSlots, upDownHandles},
    {4000, kHandleSlots, comboHandles},     {5000, kHandleSlots, buttonHandles},
};

}  // namespace

HWND* HandleSlotOf(int controlId) {
    for (const HandleTable& table : kTables) {
        const int slot = controlId - table.firstId;
        if (slot >= 0 && slot < table.slots) return &table.handles[slot];
    }
    return nullptr;
}

HWND ControlHandle(int controlId) {
    HWND* slot = HandleSlotOf(controlId);
    return slot ? *slot : nullptr;
}

}  // namespace kestavel::ui
