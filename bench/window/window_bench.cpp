// The heaviest estimation (best ally 119, nine enemies, shut-out 50 %: 134 runs) as the user
// meets it, button 5002 of the real window, beside the same search called straight on the
// core with a sink that does nothing. Both run in the same Wine on the same trial path, in
// turns, so that a busy moment of the machine falls on both alike.
// Usage: kestavel_window_bench <kestavel.exe> <working folder with speed.txt> [repetitions]

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "record/enemy_speed_estimation.h"
#include "record/speed_simulator.h"
#include "engine/trials/trial_path.h"
#include "window_probe.h"

namespace {

constexpr int kEstimateButton = 5002;
constexpr int kStatusLabel = 1005;

double Milliseconds() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perMs;
}

// The same inputs as the window's fields below.
void SetInputs(kestavel::SpeedSimulator& s) {
    const double allies[kestavel::kAllyCount] = {119, 0, 0, 0, 0};
    std::copy(std::begin(allies), std::end(allies), s.allySpeed);
    s.enemyCount = 9;
    s.targetAllRate = 50;
}

double TimeCore(kestavel::SpeedSimulator& s) {
    kestavel::NoProgress progress;
    SetInputs(s);
    const double start = Milliseconds();
    const int32_t code = kestavel::EstimateEnemySpeed(s, kestavel::kMatchShutOut, progress);
    const double elapsed = Milliseconds() - start;
    if (code != kestavel::kEstimateOk) std::printf("the core refused the inputs (%d)\n", static_cast<int>(code));
    return elapsed;
}

// SendMessage returns once the window procedure has run the whole command.
double TimeWindow(HWND window) {
    HWND button = GetDlgItem(window, kEstimateButton);
    const double start = Milliseconds();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(kEstimateButton, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return Milliseconds() - start;
}

struct Figures {
    double min;
    double median;
};

Figures Summary(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2]};
}

void PrintRow(const char* what, const std::vector<double>& values) {
    const Figures f = Summary(values);
    std::printf("%-40s %8.1f %8.1f  ", what, f.min, f.median);
    for (double v : values) std::printf(" %.1f", v);
    std::printf("\n");
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count < 3) {
        std::printf("usage: kestavel_window_bench <kestavel.exe> <working folder with speed.txt> [repetitions]\n");
        return 64;
    }
    const int repetitions = count > 3 ? std::max(1, _wtoi(args[3])) : 7;

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program = {};
    std::wstring commandLine = L"\"" + std::wstring(args[1]) + L"\"";
    if (!CreateProcessW(args[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, args[2], &startup,
                        &program)) {
        std::printf("cannot start the program (error %lu)\n", GetLastError());
        return 1;
    }
    HWND window = e2e::WaitForTopLevel(L"HP", nullptr, program.dwProcessId, 60000);
    if (window == nullptr) {
        std::printf("the program's window did not appear\n");
        TerminateProcess(program.hProcess, 1);
        return 1;
    }
    WaitForInputIdle(program.hProcess, 10000);
    const wchar_t* allies[kestavel::kAllyCount] = {L"119", L"0", L"0", L"0", L"0"};
    for (int i = 0; i < kestavel::kAllyCount; ++i) e2e::SetText(GetDlgItem(window, 2000 + i), allies[i]);
    e2e::SetText(GetDlgItem(window, 2008), L"9");
    e2e::SetText(GetDlgItem(window, 2009), L"50");

    kestavel::SpeedSimulator simulator(1u);
    // One untimed round of each: the first touches code and memory that later rounds find ready.
    TimeWindow(window);
    TimeCore(simulator);
    std::vector<double> windowMs, coreMs;
    for (int i = 0; i < repetitions; ++i) {
        windowMs.push_back(TimeWindow(window));
        coreMs.push_back(TimeCore(simulator));
    }

    wchar_t status[256] = {};
    SendMessageW(GetDlgItem(window, kStatusLabel), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(status));
    const bool tableShown = status[0] != L'\0';

    std::printf("heaviest estimation (allies 119,0,0,0,0, 9 enemies, shut-out 50 %%), trial path %s\n",
                kestavel::TrialPathName(kestavel::ActiveTrialPath()));
    std::printf("%-40s %8s %8s   each, in order\n", "ms per estimation", "min", "median");
    PrintRow("window, button 5002 (SendMessage)", windowMs);
    PrintRow("bare core, EstimateEnemySpeed", coreMs);
    const Figures w = Summary(windowMs), c = Summary(coreMs);
    // Each pair ran back to back: its difference is the least disturbed by a busy machine.
    std::vector<double> differences;
    for (size_t i = 0; i < windowMs.size(); ++i) differences.push_back(windowMs[i] - coreMs[i]);
    std::printf("%-40s %8.1f %8.1f  (median of the pairs' differences: %.1f)\n", "window minus core",
                w.min - c.min, w.median - c.median, Summary(differences).median);
    if (!tableShown) std::printf("the window showed no table: its estimation did not run\n");

    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(program.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(program.hProcess, 1);
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
    return tableShown ? 0 : 1;
}
