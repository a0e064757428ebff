#include "ui/controls/control_handles.h"

namespace kestavel::ui {

HWND groupBoxHandles[kGroupBoxSlots] = {};
HWND labelHandles[kHandleSlots] = {};
HWND editHandles[kHandleSlots] = {};
HWND upDownHandles[kHandleSlots] = {};
HWND comboHandles[kHandleSlots] = {};
HWND buttonHandles[kHandleSlots] = {};

namespace {

struct HandleTable {
    int (*slotOf)(int controlId);
    int slots;
    HWND* handles;
};

const HandleTable kTables[] = {
    {GroupBoxSlot, kGroupBoxSlots, groupBoxHandles}, {LabelSlot, kHandleSlots, labelHandles},
    {FieldSlot, kHandleSlots, editHandles},          {UpDownSlot, kHandleSlots, upDownHandles},
    {ListSlot, kHandleSlots, comboHandles},          {ButtonSlot, kHandleSlots, buttonHandles},
};

}  // namespace

HWND* HandleSlotOf(int controlId) {
    for (const HandleTable& table : kTables) {
        const int slot = table.slotOf(controlId);
        if (slot >= 0 && slot < table.slots) return &table.handles[slot];
    }
    return nullptr;
}

HWND ControlHandle(int controlId) {
    HWND* slot = HandleSlotOf(controlId);
    return slot ? *slot : nullptr;
}

}  // namespace kestavel::ui
