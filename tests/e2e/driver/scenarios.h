#pragma once
// The end-to-end checks, each on a running program (or its file) and reporting through
// check_report.h.

#include <windows.h>

#include <string>

namespace e2e {

// The menu and manifest resources inside the program file itself (another process cannot read
// a menu under Wine).
void CheckResources(const std::wstring& exePath);

// Caption, class, place and size of the main window; every control as start-up leaves it.
void CheckStartupLayout(HWND mainWindow);
// The arrows' keys and the digits-only fields.
void CheckFieldBehaviour(HWND mainWindow);

void CheckRateCalculation(HWND mainWindow);
void CheckRateErrors(HWND mainWindow);
void CheckEstimations(HWND mainWindow);
void CheckRosterList(HWND mainWindow);

// The formatter of this build, linked from the program's core, on rounding ties.
void CheckFormatsOnTies();

// Start-up without speed.txt: the message box, then closing through the frame.
void CheckMissingRoster(const std::wstring& exePath, const std::wstring& emptyDirectory);
// The whole life of a program with a roster, ending with the menu's quit command.
void CheckProgramWithRoster(const std::wstring& exePath, const std::wstring& rosterDirectory,
                            const std::wstring& screenshotDirectory);

// Asks the script that runs the driver for a screenshot of the screen as it is now, and writes
// where the window's client area lies on it.
void RequestScreenshot(HWND mainWindow, const std::wstring& screenshotDirectory);

}  // namespace e2e
