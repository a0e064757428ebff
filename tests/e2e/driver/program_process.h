#pragma once
// kestavel.exe as a child process of the driver, so that its exit code can be read.

#include <windows.h>

#include <string>

namespace e2e {

class ProgramProcess {
public:
    ProgramProcess(const std::wstring& exePath, const std::wstring& workingDirectory);
    ~ProgramProcess();  // ends a program that is still running
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    // The main window once it is shown; null on timeout.
    HWND WaitForMainWindow(DWORD timeoutMs);
    // True when the program ended in time; `exitCode` then holds its code.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);

private:
    PROCESS_INFORMATION info_ = {};
};

}  // namespace e2e
