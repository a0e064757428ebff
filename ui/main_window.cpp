#include "ui/main_window.h"

#include "text/window_texts.h"
#include "ui/command_routing.h"
#include "ui/controls/control_layout.h"
#include "ui/controls/static_colouring.h"
#include "ui/cp932_text.h"
#include "ui/resources/resource_ids.h"

namespace kestavel::ui {

HWND mainWindow = nullptr;

namespace {
constexpr const wchar_t* kMainClassName = L"HP";
}  // namespace

void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hIconSm = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = kMainClassName;
    RegisterClassExW(&windowClass);
}

HWND CreateMainWindow(HINSTANCE instance) {
    return CreateWindowExW(0, kMainClassName, WideFromCp932(messages::kMainWindowCaption).c_str(), WS_OVERLAPPEDWINDOW, 30, 30, 700, 600, nullptr, nullptr,
                           instance, nullptr);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls(window, reinterpret_cast<const CREATESTRUCTW*>(lParam)->hInstance);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_COMMAND:
            RouteCommand(window, wParam, lParam);
            return 0;
        case WM_NOTIFY:
            // Returning 0 lets the up-down controls carry out every change of position.
            return 0;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        default:
            // WM_CLOSE too: closing through the frame destroys the window without asking.
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace kestavel::ui
