// The program's entry point and its one composition root: the simulator record, the window
// system's side of every port of the core, the main window, the roster, and the message loop
// until the window is destroyed.

#include <windows.h>

#include "record/speed_simulator.h"
#include "commands/roster_list.h"
#include "ui/command_routing.h"
#include "ui/core_adapters.h"
#include "ui/current_directory.h"
#include "ui/main_window.h"

namespace {

// The program's one record, alive from before WinMain to the end of the process.
kestavel::SpeedSimulator theSimulator;

// Runs until the quit message; returns its exit code.
int RunMessageLoop() {
    MSG message = {};
    // GetMessageW gives -1 on an error, which ends the loop like the quit message.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(kestavel::ui::mainWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showMode) {
    using namespace kestavel::ui;
    DebuggerTrace trace;
    kestavel::SetTraceSink(&trace);
    WindowForm form;
    ComboRosterList rosterList;
    CommandTargets targets{theSimulator, form, rosterList};
    ConnectCommands(targets);

    RegisterMainClass(instance);
    mainWindow = CreateMainWindow(instance);
    if (mainWindow == nullptr) return 0;
    // Before the roster is loaded, which leaves it empty here: the list shows its placeholder
    // even while the loader's message box is open over the window.
    kestavel::FillRosterList(theSimulator, rosterList);
    ShowWindow(mainWindow, showMode);
    UpdateWindow(mainWindow);

    RecordCurrentDirectory();
    OwnerlessMessageBox messageBox;
    const Cp932PathDecoder paths;
    kestavel::LoadRosterAtStartup(theSimulator, currentDirectory, rosterList, messageBox, paths);

    const int exitCode = RunMessageLoop();
    kestavel::SetTraceSink(nullptr);
    return exitCode;
}
