#include <string>

#include "check_report.h"
#include "program_process.h"
#include "scenarios.h"
#include "window_probe.h"

namespace e2e {

namespace {

// Wine's first start of a program in a fresh prefix takes a while.
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kBoxTimeoutMs = 15000;
constexpr DWORD kExitTimeoutMs = 15000;

void ExpectExitCodeZero(ProgramProcess& program, const std::wstring& how) {
    DWORD exitCode = 1234;
    const bool ended = program.WaitForExit(kExitTimeoutMs, exitCode);
    Expect(ended, how + L": the program ends");
    if (!ended && WaitForTopLevel(L"#32770", nullptr, program.Id(), 0)) {
        Note(L"(a message box of the program is still open)");
    }
    if (ended) ExpectNumber(how + L": exit code", 0, exitCode);
}

void CheckQuitThroughMenu(ProgramProcess& program, HWND mainWindow) {
    Section(L"quitting through the menu (command 111)");
    PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(111, 0), 0);
    HWND box = WaitForTopLevel(L"#32770", L"確認", program.Id(), kBoxTimeoutMs);
    Expect(box != nullptr, L"menu quit asks in a box captioned \"確認\"");
    if (box == nullptr) return;
    ExpectText(L"the question", L"終了しますか？", MessageBoxText(box));
    Expect(GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO), L"the question has the buttons Yes and No");
    Expect(AnswerMessageBox(box, IDNO), L"answering No closes the question");
    Sleep(300);
    Expect(IsWindow(mainWindow) && IsWindowVisible(mainWindow), L"after No the window stays open");
    ExpectText(L"after No field 2000 is unchanged", L"60", TextOf(GetDlgItem(mainWindow, 2000)));

    PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(111, 0), 0);
    box = WaitForTopLevel(L"#32770", L"確認", program.Id(), kBoxTimeoutMs);
    Expect(box != nullptr, L"menu quit asks again");
    if (box == nullptr) return;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    ExpectExitCodeZero(program, L"menu quit answered Yes");
}

}  // namespace

void CheckMissingRoster(const std::wstring& exePath, const std::wstring& emptyDirectory) {
    Section(L"start-up without speed.txt");
    ProgramProcess program(exePath, emptyDirectory);
    Expect(program.Started(), L"kestavel.exe starts");
    HWND box = WaitForTopLevel(L"#32770", L"error!!", program.Id(), kStartTimeoutMs);
    Expect(box != nullptr, L"a message box captioned \"error!!\" comes up");
    if (box == nullptr) return;
    HWND mainWindow = program.WaitForMainWindow(0);
    Expect(mainWindow != nullptr, L"the main window is already shown when the box comes up");
    ExpectText(L"the box's message", L"file:speed.txt 読み込み失敗", MessageBoxText(box));
    Expect(GetWindow(box, GW_OWNER) == nullptr, L"the box has no owner");
    Expect(GetDlgItem(box, IDOK) != nullptr && GetDlgItem(box, IDCANCEL) == nullptr &&
               GetDlgItem(box, IDYES) == nullptr,
           L"the box has an OK button only");
    Expect(AnswerMessageBox(box, IDOK), L"OK closes the box");
    if (mainWindow == nullptr) return;
    ExpectNumber(L"the list holds the placeholder alone", 1, Send(GetDlgItem(mainWindow, 4000), CB_GETCOUNT, 0, 0));

    Section(L"closing through the window frame");
    PostMessageW(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectExitCodeZero(program, L"closing through the frame, without a question");
}

void CheckProgramWithRoster(const std::wstring& exePath, const std::wstring& rosterDirectory,
                            const std::wstring& screenshotDirectory) {
    ProgramProcess program(exePath, rosterDirectory);
    Expect(program.Started(), L"kestavel.exe starts");
    HWND mainWindow = program.WaitForMainWindow(kStartTimeoutMs);
    Expect(mainWindow != nullptr, L"the main window \"Kestavel\" of class HP comes up");
    if (mainWindow == nullptr) return;
    Expect(WaitForTopLevel(L"#32770", L"error!!", program.Id(), 0) == nullptr, L"no message box when speed.txt exists");

    CheckStartupLayout(mainWindow);
    CheckRosterList(mainWindow);
    CheckFieldBehaviour(mainWindow);
    CheckRateCalculation(mainWindow);
    CheckEstimations(mainWindow);
    // Light red results in 1002, 1003 and the best row 1008 are on the screen now.
    SendCommand(mainWindow, 5001, BN_CLICKED);
    SendCommand(mainWindow, 5000, BN_CLICKED);
    if (!screenshotDirectory.empty()) RequestScreenshot(mainWindow, screenshotDirectory);
    CheckRateErrors(mainWindow);
    CheckQuitThroughMenu(program, mainWindow);
}

}  // namespace e2e
