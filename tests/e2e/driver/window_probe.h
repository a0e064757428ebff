#pragma once
// Looking at and acting on another process's windows, through window messages only.

#include <windows.h>

#include <string>

namespace e2e {

// Long enough for an estimation to finish inside a sent command.
constexpr UINT kSendTimeoutMs = 120000;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::wstring TextOf(HWND window);
void SetText(HWND window, const std::wstring& text);
std::wstring ClassOf(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// WM_COMMAND as the control `controlId` of `window` sends it.
void SendCommand(HWND window, int controlId, int notification);

// Waits for a top-level window of the class and caption that belongs to `processId`; null on
// timeout.
HWND WaitForTopLevel(const wchar_t* className, const wchar_t* caption, DWORD processId, DWORD timeoutMs);
bool WaitUntilGone(HWND window, DWORD timeoutMs);

// The message text of a message box: its static child with a text.
std::wstring MessageBoxText(HWND box);
// Answers a message box as pressing the button would; true when the box went away.
bool AnswerMessageBox(HWND box, int button);

}  // namespace e2e
