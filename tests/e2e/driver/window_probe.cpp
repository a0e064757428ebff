#include "window_probe.h"

namespace e2e {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    Send(window, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text));
    return text;
}

void SetText(HWND window, const std::wstring& text) {
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

RECT RectInParent(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void SendCommand(HWND window, int controlId, int notification) {
    Send(window, WM_COMMAND, MAKEWPARAM(controlId, notification),
         reinterpret_cast<LPARAM>(GetDlgItem(window, controlId)));
}

HWND WaitForTopLevel(const wchar_t* className, const wchar_t* caption, DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        HWND found = nullptr;
        while ((found = FindWindowExW(nullptr, found, className, caption)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == processId && IsWindowVisible(found)) return found;
        }
        Sleep(100);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(100);
    }
    return true;
}

std::wstring MessageBoxText(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Static") != 0) continue;
        const std::wstring text = TextOf(child);
        if (!text.empty()) return text;
    }
    return {};
}

bool AnswerMessageBox(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return WaitUntilGone(box, 10000);
}

}  // namespace e2e
