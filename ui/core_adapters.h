#pragma once
// The core's ports made of the window system: the form of the main window's controls, its
// roster list, the message boxes, the debugger output as the trace, and code page 932 file
// names. WinMain builds one of each.

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "commands/form.h"
#include "text/debug_trace.h"
#include "roster/message_box_sink.h"
#include "commands/roster_list.h"
#include "roster/roster_loader.h"

namespace kestavel::ui {

// Fields are read and labels written by identifier, through the handle tables.
class WindowForm final : public Form {
public:
    std::string ReadText(int controlId) override;
    // A label is repainted at once, so that texts written during a long calculation show while
    // the message loop waits for it.
    void WriteText(int controlId, const std::string& text) override;
};

// The roster drop-down list, kRosterList.
class ComboRosterList final : public RosterListView {
public:
    void ResetContent() override;
    void AddEntry(const std::string& text) override;
    void SetSelection(int position) override;
    int GetSelection() override;
};

// MessageBoxW with both texts converted from code page 932; returns the button pressed.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style);

// The roster loader's message: a box with an OK button and no owner, so that the main window
// stays usable while it is open.
class OwnerlessMessageBox final : public MessageBoxSink {
public:
    void ShowMessage(const std::string& text, const std::string& caption) override;
};

// The trace lines, code page 932 bytes, go out unchanged to the debugger, when one is attached.
class DebuggerTrace final : public TraceSink {
public:
    void WriteLine(std::string_view line) override;
};

// A path in code page 932 bytes, whatever the system's code page.
class Cp932PathDecoder final : public FilePathDecoder {
public:
    std::filesystem::path PathOf(const std::string& cp932Path) const override;
};

}  // namespace kestavel::ui
