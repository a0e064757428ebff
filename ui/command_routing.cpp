#include "ui/command_routing.h"

#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "text/window_texts.h"
#include "commands/rate_command.h"
#include "record/enemy_speed_estimation.h"
#include "commands/progress/throttled_progress.h"
#include "ui/core_adapters.h"
#include "ui/resources/resource_ids.h"

namespace kestavel::ui {

namespace {

CommandTargets* targets = nullptr;

// Asks before quitting; on No the command goes on to the default handling, which leaves the
// window as it is.
void ConfirmQuit(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ShowMessageBox(window, messages::kQuitQuestion, messages::kQuitCaption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        DestroyWindow(window);
        return;
    }
    DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

// Each progress text repaints the status label, which costs far more than the run between two
// texts: the label shows at most one every few milliseconds, and always the last.
void Estimate(int32_t kind) {
    StatusLabelProgress label(targets->form);
    ThrottledProgress progress(label, SteadyClock());
    OnEstimate(targets->simulator, targets->form, kind, progress);
}

}  // namespace

void ConnectCommands(CommandTargets& connected) { targets = &connected; }

void RouteCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const unsigned notification = HIWORD(wParam);
    const unsigned id = LOWORD(wParam);
    if (id == IDM_QUIT) {
        ConfirmQuit(window, wParam, lParam);
        return;
    }
    // The commands need their targets, which exist from before the window's creation on.
    if (targets == nullptr) return;
    if (notification == CBN_SELCHANGE && id == kRosterList) {
        OnRosterSelected(targets->simulator, targets->rosterList, targets->form);
        return;
    }
    // Buttons are known by their identifier alone.
    switch (id) {
        case kButtonCalculate:
            OnCalculate(targets->simulator, targets->form);
            break;
        case kButtonEstimateFirstStrike:
            Estimate(kMatchFirstStrike);
            break;
        case kButtonEstimateShutOut:
            Estimate(kMatchShutOut);
            break;
        default:
            break;
    }
}

}  // namespace kestavel::ui
