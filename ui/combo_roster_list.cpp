#include "ui/combo_roster_list.h"

#include <windows.h>

#include "commands/control_ids.h"
#include "ui/control_handles.h"
#include "ui/cp932_text.h"

namespace kestavel::ui {

namespace {
HWND List() { return ControlHandle(kRosterList); }
}  // namespace

void ComboRosterList::ResetContent() { SendMessageW(List(), CB_RESETCONTENT, 0, 0); }

void ComboRosterList::AddEntry(const std::string& text) {
    SendMessageW(List(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromCp932(text).c_str()));
}

void ComboRosterList::SetSelection(int position) {
    SendMessageW(List(), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int ComboRosterList::GetSelection() {
    // CB_ERR, -1, when nothing is chosen.
    return static_cast<int>(SendMessageW(List(), CB_GETCURSEL, 0, 0));
}

}  // namespace kestavel::ui
