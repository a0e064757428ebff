// The program's entry point: the main window, the roster, and the message loop until the window
// is destroyed.

#include <windows.h>

#include <string>

#include "roster/roster_list.h"
#include "roster/roster_loader.h"
#include "ui/combo_roster_list.h"
#include "ui/cp932_text.h"
#include "ui/current_directory.h"
#include "ui/debugger_trace.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/the_simulator.h"

namespace {

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
    RouteTraceToDebugger();

    RegisterMainClass(instance);
    mainWindow = CreateMainWindow(instance);
    if (mainWindow == nullptr) return 0;
    ShowWindow(mainWindow, showMode);
    UpdateWindow(mainWindow);

    const std::string directory = RecordCurrentDirectory();
    ComboRosterList rosterList;
    OwnerlessMessageBox messageBox;
    kestavel::SetRosterPathDecoder(FileSystemPathFromCp932);
    kestavel::LoadRosterAtStartup(theSimulator, directory.c_str(), rosterList, messageBox);

    return RunMessageLoop();
}
