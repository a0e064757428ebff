#include <cstdio>
#include <string>

#include "check_report.h"
#include "scenarios.h"
#include "window_probe.h"

namespace e2e {

namespace {

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

// The script watches for the file "wanted", takes the screenshot and answers with "taken".
void RequestScreenshot(HWND mainWindow, const std::wstring& screenshotDirectory) {
    Section(L"screenshot");
    UpdateWindow(mainWindow);
    Sleep(500);
    POINT origin = {0, 0};
    ClientToScreen(mainWindow, &origin);
    if (FILE* file = _wfopen((screenshotDirectory + L"\\client-origin.txt").c_str(), L"w")) {
        std::fprintf(file, "%ld %ld\n", origin.x, origin.y);
        std::fclose(file);
    }
    if (FILE* file = _wfopen((screenshotDirectory + L"\\wanted").c_str(), L"w")) std::fclose(file);
    const std::wstring taken = screenshotDirectory + L"\\taken";
    for (int i = 0; i < 300 && !Exists(taken); ++i) Sleep(100);
    Expect(Exists(taken), L"the screenshot was taken");
}

}  // namespace e2e
