#pragma once
// What the main window does with WM_COMMAND: the three buttons, the roster list's selection
// change and the menu's quit item.

#include <windows.h>

#include "commands/form.h"
#include "record/speed_simulator.h"
#include "commands/roster_list.h"

namespace kestavel::ui {

// What the commands work on; WinMain builds them and connects them before the window exists.
struct CommandTargets {
    SpeedSimulator& simulator;
    Form& form;
    RosterListView& rosterList;
};

void ConnectCommands(CommandTargets& targets);

void RouteCommand(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace kestavel::ui
