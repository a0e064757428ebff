#include "ui/controls/static_colouring.h"

#include "commands/control_ids.h"
#include "engine/estimation/estimate_table.h"
#include "ui/controls/control_handles.h"

namespace kestavel::ui {

namespace {

// The table's rows run from two below the estimated speed to two above it.
constexpr int kEstimatedSpeedRow = kTableRows / 2;

// The rate results and the estimated speed's row of the table.
bool IsHighlightedLabelSlot(int slot) {
    return slot == LabelSlot(kLabelShutOutResult) || slot == LabelSlot(kLabelFirstStrikeResult) ||
           slot == LabelSlot(TableRowLabel(kEstimatedSpeedRow));
}

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
