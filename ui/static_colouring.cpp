#include "ui/static_colouring.h"

#include "ui/control_handles.h"

namespace kestavel::ui {

namespace {

// Labels 1002 and 1003 (the rate results) and 1008 (the estimation's best row).
bool IsHighlightedLabelSlot(int slot) { return slot == 2 || slot == 3 || slot == 8; }

int SlotIn(const HWND* table, int slots, HWND control) {
    for (int slot = 0; slot < slots; ++slot) {
        if (table[slot] == control) return slot;
    }
    return -1;
}

HBRUSH TextOnBlack(HDC deviceContext, COLORREF textColour) {
    SetBkMode(deviceContext, TRANSPARENT);
    SetTextColor(deviceContext, textColour);
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

}  // namespace

HBRUSH ColourStatic(HDC deviceContext, HWND control) {
    if (control == nullptr) return nullptr;
    const int labelSlot = SlotIn(labelHandles, kHandleSlots, control);
    if (labelSlot >= 0) {
        return TextOnBlack(deviceContext, IsHighlightedLabelSlot(labelSlot) ? kTextHighlight : kTextWhite);
    }
    if (SlotIn(groupBoxHandles, kGroupBoxSlots, control) >= 0) return TextOnBlack(deviceContext, kTextWhite);
    return nullptr;
}

}  // namespace kestavel::ui
