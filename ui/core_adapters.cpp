#include "ui/core_adapters.h"

#include "commands/control_ids.h"
#include "ui/controls/control_handles.h"
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

namespace {
HWND RosterCombo() { return ControlHandle(kRosterList); }
}  // namespace

void ComboRosterList::ResetContent() { SendMessageW(RosterCombo(), CB_RESETCONTENT, 0, 0); }

void ComboRosterList::AddEntry(const std::string& text) {
    SendMessageW(RosterCombo(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromCp932(text).c_str()));
}

void ComboRosterList::SetSelection(int position) {
    SendMessageW(RosterCombo(), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int ComboRosterList::GetSelection() {
    // CB_ERR, -1, when nothing is chosen.
    return static_cast<int>(SendMessageW(RosterCombo(), CB_GETCURSEL, 0, 0));
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    return MessageBoxW(owner, WideFromCp932(text).c_str(), WideFromCp932(caption).c_str(), style);
}

void OwnerlessMessageBox::ShowMessage(const std::string& text, const std::string& caption) {
    ShowMessageBox(nullptr, text, caption, MB_OK);
}

// Every line goes out, whether a debugger is attached or a monitor reads the system's debug
// buffer. Under Wine each line costs a few round trips to the server (about half a millisecond
// on a busy machine, six lines an estimation); a trace only for attached debuggers would save
// that but hide the lines from such monitors.
void DebuggerTrace::WriteLine(std::string_view line) { OutputDebugStringA(std::string(line).c_str()); }

std::filesystem::path Cp932PathDecoder::PathOf(const std::string& cp932Path) const {
    return std::filesystem::path(WideFromCp932(cp932Path));
}

}  // namespace kestavel::ui
