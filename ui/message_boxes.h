#pragma once
// Message boxes with code page 932 texts.

#include <windows.h>

#include <string>

#include "roster/message_box_sink.h"

namespace kestavel::ui {

// MessageBoxW with both texts converted from code page 932; returns the button pressed.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style);

// The roster loader's message: a box with an OK button and no owner, so that the main window
// stays usable while it is open.
class OwnerlessMessageBox final : public MessageBoxSink {
public:
    void ShowMessage(const std::string& text, const std::string& caption) override;
};

}  // namespace kestavel::ui
