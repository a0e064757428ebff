#include "ui/window_form.h"

#include <windows.h>

#include "ui/control_handles.h"
#include "ui/cp932_text.h"

namespace kestavel::ui {

std::string WindowForm::ReadText(int controlId) {
    HWND control = ControlHandle(controlId);
    if (control == nullptr) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    const int length = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return Cp932FromWide(text);
}

void WindowForm::WriteText(int controlId, const std::string& text) {
    HWND control = ControlHandle(controlId);
    if (control == nullptr) return;
    SetWindowTextW(control, WideFromCp932(text).c_str());
    UpdateWindow(control);
}

}  // namespace kestavel::ui
