// The program as a player meets it: started from the folder the release zip unpacks into, with
// the files it and its guide point at, and at work on the example roster for the README's
// picture.

#include <cstdio>
#include <string>

#include "check_report.h"
#include "program_process.h"
#include "scenarios.h"
#include "window_probe.h"

namespace e2e {

namespace {

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 15000;

std::wstring Text(HWND mainWindow, int id) { return TextOf(GetDlgItem(mainWindow, id)); }

std::wstring ListEntry(HWND list, int position) {
    wchar_t entry[1024] = {};
    if (Send(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0) < 1024) {
        Send(list, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(entry));
    }
    return entry;
}

void WriteUtf8Lines(const std::wstring& path, const std::wstring& lines) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    Expect(file != nullptr, L"the list's entries can be written to " + path);
    if (file == nullptr) return;
    const std::string utf8 = Utf8Of(lines);
    std::fwrite(utf8.data(), 1, utf8.size(), file);
    std::fclose(file);
}

void CloseThroughFrame(ProgramProcess& program, HWND mainWindow) {
    PostMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 1234;
    const bool ended = program.WaitForExit(kExitTimeoutMs, exitCode);
    Expect(ended, L"closing through the frame ends the program");
    if (ended) ExpectNumber(L"exit code", 0, exitCode);
}

}  // namespace

void CheckRelease(const std::wstring& folder, const std::wstring& listFile) {
    CheckVersionResource(folder + L"\\kestavel.exe", L"kestavel.exe", kWindowDescription);
    CheckVersionResource(folder + L"\\kestavel-cli.exe", L"kestavel-cli.exe", kCommandLineDescription);

    // What the guide and kestavel-cli's --help send a player to, as paths from the programs'
    // folder.
    Section(L"the files a player is pointed at, beside the programs");
    for (const wchar_t* file : {L"speed.txt", L"README-ja.txt", L"docs\\cli-json.md", L"LICENSE"}) {
        const DWORD attributes = GetFileAttributesW((folder + L"\\" + file).c_str());
        Expect(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0,
               std::wstring(file) + L" is in the unpacked folder");
    }

    Section(L"kestavel.exe started from the unpacked folder");
    ProgramProcess program(folder + L"\\kestavel.exe", folder);
    Expect(program.Started(), L"kestavel.exe starts");
    HWND mainWindow = program.WaitForMainWindow(kStartTimeoutMs);
    Expect(mainWindow != nullptr, L"the main window comes up");
    if (mainWindow == nullptr) return;
    Expect(WaitForTopLevel(L"#32770", nullptr, program.Id(), 0) == nullptr, L"no message box: speed.txt was read");

    HWND list = GetDlgItem(mainWindow, 4000);
    const int count = static_cast<int>(Send(list, CB_GETCOUNT, 0, 0));
    ExpectText(L"the list's first entry", L"すばやさを検索", ListEntry(list, 0));
    std::wstring entries;
    for (int i = 1; i < count; ++i) entries += ListEntry(list, i) + L"\n";
    WriteUtf8Lines(listFile, entries);
    Note(std::to_wstring(count - 1) + L" roster entries in the list");
    CloseThroughFrame(program, mainWindow);
}

void ShowAtWork(const std::wstring& exePath, const std::wstring& rosterDirectory,
                const std::wstring& screenshotDirectory, int entry) {
    Section(L"the window at work on the example roster");
    ProgramProcess program(exePath, rosterDirectory);
    HWND mainWindow = program.WaitForMainWindow(kStartTimeoutMs);
    Expect(mainWindow != nullptr, L"the main window comes up");
    if (mainWindow == nullptr) return;

    // A player's first steps: an enemy from the list, its rates, then the estimation from the
    // first-strike rate already in its field.
    HWND list = GetDlgItem(mainWindow, 4000);
    const std::wstring chosen = ListEntry(list, entry);
    Send(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendCommand(mainWindow, 4000, CBN_SELCHANGE);
    Note(L"chose " + chosen + L": enemy speed " + Text(mainWindow, 2005));
    Expect(!chosen.empty() && !Text(mainWindow, 2005).empty(), L"an entry of the list was chosen");
    SendCommand(mainWindow, 5000, BN_CLICKED);
    SendCommand(mainWindow, 5001, BN_CLICKED);
    Expect(Text(mainWindow, 1002).find(L"完封率") != std::wstring::npos, L"a shut-out rate is shown");
    Expect(Text(mainWindow, 1003).find(L"先制率") != std::wstring::npos, L"a first-strike rate is shown");
    Expect(!Text(mainWindow, 1008).empty(), L"the estimation table is shown");
    Note(Text(mainWindow, 1002) + L" / " + Text(mainWindow, 1003));

    RequestScreenshot(mainWindow, screenshotDirectory);
    CloseThroughFrame(program, mainWindow);
}

}  // namespace e2e
