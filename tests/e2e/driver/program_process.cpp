#include "program_process.h"

#include "window_probe.h"

namespace e2e {

ProgramProcess::ProgramProcess(const std::wstring& exePath, const std::wstring& workingDirectory) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &info_)) {
        info_ = {};
    }
}

ProgramProcess::~ProgramProcess() {
    if (!Started()) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND ProgramProcess::WaitForMainWindow(DWORD timeoutMs) {
    if (!Started()) return nullptr;
    return WaitForTopLevel(L"HP", L"Kestavel", Id(), timeoutMs);
}

bool ProgramProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
}

}  // namespace e2e
