// Drives the real kestavel.exe through window messages and reports what differs from what a
// user should see. Usage:
//   kestavel_e2e_driver <kestavel.exe> <folder with speed.txt> <folder without> [screenshot folder]
//   kestavel_e2e_driver --release <unpacked release folder> <file for the list's entries>
//   kestavel_e2e_driver --show-at-work <kestavel.exe> <folder with speed.txt> <screenshot folder> [entry]
// Exit status 0 when every check passed, 1 otherwise, 64 for a wrong command line.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "check_report.h"
#include "scenarios.h"

int main() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring mode = args != nullptr && count > 1 ? args[1] : L"";
    if (mode == L"--release" && count == 4) {
        e2e::CheckRelease(args[2], args[3]);
    } else if (mode == L"--show-at-work" && (count == 5 || count == 6)) {
        e2e::ShowAtWork(args[2], args[3], args[4], count == 6 ? _wtoi(args[5]) : 1);
    } else if (mode.starts_with(L"--") || count < 4) {
        e2e::Note(L"usage: kestavel_e2e_driver <kestavel.exe> <folder with speed.txt> <folder without> [shots]");
        return 64;
    } else {
        const std::wstring exePath = args[1], rosterDirectory = args[2], emptyDirectory = args[3];
        const std::wstring screenshotDirectory = count > 4 ? args[4] : L"";
        e2e::CheckFormatsOnTies();
        e2e::CheckResources(exePath);
        e2e::CheckVersionResource(exePath, L"kestavel.exe", e2e::kWindowDescription);
        e2e::CheckMissingRoster(exePath, emptyDirectory);
        e2e::CheckProgramWithRoster(exePath, rosterDirectory, screenshotDirectory);
    }

    e2e::Section(std::to_wstring(e2e::CheckCount()) + L" checks, " + std::to_wstring(e2e::FailureCount()) +
                 L" failed");
    return e2e::FailureCount() == 0 ? 0 : 1;
}
