#include "ui/command_routing.h"

#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "commands/rate_command.h"
#include "engine/enemy_speed_estimation.h"
#include "roster/roster_list.h"
#include "ui/combo_roster_list.h"
#include "ui/message_boxes.h"
#include "ui/the_simulator.h"
#include "ui/window_form.h"

namespace kestavel::ui {

namespace {

WindowForm form;
ComboRosterList rosterList;

// Asks before quitting; on No the command goes on to the default handling, which leaves the
// window as it is.
void ConfirmQuit(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ShowMessageBox(window, "終了しますか？", "確認", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        DestroyWindow(window);
        return;
    }
    DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

}  // namespace

void RouteCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const unsigned notification = HIWORD(wParam);
    const unsigned id = LOWORD(wParam);
    if (notification == CBN_SELCHANGE && id == kRosterList) {
        OnRosterSelected(theSimulator, rosterList, form);
        return;
    }
    // Buttons and the menu item are known by their identifier alone.
    switch (id) {
        case kButtonCalculate:
            OnCalculate(theSimulator, form);
            break;
        case kButtonEstimateFirstStrike:
            OnEstimate(theSimulator, form, kMatchFirstStrike);
            break;
        case kButtonEstimateShutOut:
            OnEstimate(theSimulator, form, kMatchShutOut);
            break;
        case kMenuQuit:
            ConfirmQuit(window, wParam, lParam);
            break;
        default:
            break;
    }
}

}  // namespace kestavel::ui
