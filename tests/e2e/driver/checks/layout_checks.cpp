#include <windows.h>
#include <commctrl.h>

#include <string>

#include "check_report.h"
#include "expected_controls.h"
#include "scenarios.h"
#include "window_probe.h"

namespace e2e {

namespace {

std::wstring Name(int id) { return L"control " + std::to_wstring(id); }

// Known differences of Wine's controls: an up-down control attached to a field is narrowed to
// 16 pixels, a combo box keeps WS_VSCROLL out of its own style, and a combo box's window is
// only as high as its selection field (the height given covers the opened list too).
bool IsUpDown(const ExpectedControl& c) { return c.lowest != 0; }
bool IsList(const ExpectedControl& c) { return c.id == 4000; }

void CheckControl(HWND mainWindow, HWND control, const ExpectedControl& expected) {
    const std::wstring name = Name(expected.id);
    ExpectNumber(name + L": identifier", expected.id, GetDlgCtrlID(control));
    Expect(_wcsicmp(ClassOf(control).c_str(), expected.className) == 0,
           name + L": class " + expected.className + L", found " + ClassOf(control));
    if (!IsUpDown(expected)) ExpectText(name + L": text", expected.text, TextOf(control));

    DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    if (IsList(expected)) style |= WS_VSCROLL;
    ExpectNumber(name + L": style", expected.style, style);
    ExpectNumber(name + L": extended style", expected.exStyle,
                 static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE)) & ~WS_EX_NOPARENTNOTIFY);

    const RECT rect = RectInParent(control);
    ExpectNumber(name + L": x", expected.x, rect.left);
    ExpectNumber(name + L": y", expected.y, rect.top);
    if (!IsUpDown(expected)) ExpectNumber(name + L": width", expected.width, rect.right - rect.left);
    if (!IsUpDown(expected) && !IsList(expected)) {
        ExpectNumber(name + L": height", expected.height, rect.bottom - rect.top);
    }

    if (IsUpDown(expected)) {
        Expect(reinterpret_cast<HWND>(Send(control, UDM_GETBUDDY, 0, 0)) == GetDlgItem(mainWindow, expected.id - 1000),
               name + L": its buddy is field " + std::to_wstring(expected.id - 1000));
        const LRESULT range = Send(control, UDM_GETRANGE, 0, 0);
        ExpectNumber(name + L": lowest position", expected.lowest, HIWORD(range));
        ExpectNumber(name + L": highest position", expected.highest, LOWORD(range));
    }
}

}  // namespace

void CheckStartupLayout(HWND mainWindow) {
    Section(L"main window and controls at start-up");
    ExpectText(L"main window caption", L"Kestavel", TextOf(mainWindow));
    ExpectText(L"main window class", L"HP", ClassOf(mainWindow));
    RECT frame = {};
    GetWindowRect(mainWindow, &frame);
    ExpectNumber(L"main window x", 30, frame.left);
    ExpectNumber(L"main window y", 30, frame.top);
    ExpectNumber(L"main window width", 700, frame.right - frame.left);
    ExpectNumber(L"main window height", 600, frame.bottom - frame.top);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(mainWindow, GWL_STYLE));
    Expect((style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW, L"main window has the overlapped-window style");
    Expect(GetMenu(mainWindow) != nullptr, L"main window has a menu bar");

    // Children in z-order are the creation order, which is also the keyboard order.
    HWND child = GetWindow(mainWindow, GW_CHILD);
    for (int i = 0; i < kExpectedControlCount; ++i) {
        const ExpectedControl& expected = kExpectedControls[i];
        HWND control = GetDlgItem(mainWindow, expected.id);
        Expect(control != nullptr, Name(expected.id) + L" exists");
        if (control == nullptr) continue;
        Expect(child == control, Name(expected.id) + L" is number " + std::to_wstring(i + 1) + L" in creation order");
        child = child ? GetWindow(child, GW_HWNDNEXT) : nullptr;
        CheckControl(mainWindow, control, expected);
    }
    Expect(child == nullptr, L"no controls beyond the 38");

    HWND list = GetDlgItem(mainWindow, 4000);
    ExpectNumber(L"roster list: opened width", 400, Send(list, CB_GETDROPPEDWIDTH, 0, 0));
    ExpectNumber(L"roster list: shown entry", 0, Send(list, CB_GETCURSEL, 0, 0));
    // Wine answers WM_GETFONT from another process with 0: the fonts are checked on the
    // screenshot instead (tests/e2e/run-e2e.sh).
}

void CheckFieldBehaviour(HWND mainWindow) {
    Section(L"edit fields and their arrows");
    auto pressUp = [&](int fieldId) {
        HWND field = GetDlgItem(mainWindow, fieldId);
        Send(field, WM_KEYDOWN, VK_UP, 0);
        Send(field, WM_KEYUP, VK_UP, 0xC0000001);
        return TextOf(field);
    };
    ExpectText(L"up key in field 2000 from 60", L"61", pressUp(2000));
    ExpectText(L"up key in field 2007 from 95", L"96", pressUp(2007));
    SetText(GetDlgItem(mainWindow, 2006), L"9");
    ExpectText(L"up key in field 2006 at its highest, 9", L"9", pressUp(2006));
    SetText(GetDlgItem(mainWindow, 2000), L"200");
    ExpectText(L"up key in field 2000 at its highest, 200", L"200", pressUp(2000));

    HWND field = GetDlgItem(mainWindow, 2001);
    Send(field, WM_CHAR, L'x', 0);
    ExpectText(L"a letter typed into field 2001 is refused", L"50", TextOf(field));

    // Back to the start values for the checks that follow.
    SetText(GetDlgItem(mainWindow, 2000), L"60");
    SetText(GetDlgItem(mainWindow, 2006), L"2");
    SetText(GetDlgItem(mainWindow, 2007), L"95");
}

}  // namespace e2e
