#include "ui/message_boxes.h"

#include "ui/cp932_text.h"

namespace kestavel::ui {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    return MessageBoxW(owner, WideFromCp932(text).c_str(), WideFromCp932(caption).c_str(), style);
}

void OwnerlessMessageBox::ShowMessage(const std::string& text, const std::string& caption) {
    ShowMessageBox(nullptr, text, caption, MB_OK);
}

}  // namespace kestavel::ui
