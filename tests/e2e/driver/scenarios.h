#pragma once
// The end-to-end checks, each on a running program (or its file) and reporting through
// check_report.h.

#include <windows.h>

#include <string>

namespace e2e {

// The menu and manifest resources inside the program file itself (another process cannot read
// a menu under Wine).
void CheckResources(const std::wstring& exePath);

// The version resource of a program file: the project's version, the product's name, the file's
// own name and description.
void CheckVersionResource(const std::wstring& exePath, const std::wstring& fileName,
                          const std::wstring& description);
inline constexpr const wchar_t* kWindowDescription = L"Kestavel 先制率計算 / first-strike rate calculator";
inline constexpr const wchar_t* kCommandLineDescription = L"Kestavel コマンドライン / command line";

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

// The version resources of both programs in an unpacked release folder, and kestavel.exe started
// there: its list's roster entries (the placeholder left out) go to `listFile`, one a line, UTF-8.
void CheckRelease(const std::wstring& folder, const std::wstring& listFile);
// Chooses list entry `entry`, shows its rates and an estimation table, and has the screenshot taken.
void ShowAtWork(const std::wstring& exePath, const std::wstring& rosterDirectory,
                const std::wstring& screenshotDirectory, int entry);

// Asks the script that runs the driver for a screenshot of the screen as it is now, and writes
// where the window's client area lies on it.
void RequestScreenshot(HWND mainWindow, const std::wstring& screenshotDirectory);

}  // namespace e2e
