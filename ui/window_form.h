#pragma once
// The form of the core's commands, made of the main window's controls: fields are read and
// labels written by identifier, through the handle tables.

#include "commands/form.h"

namespace kestavel::ui {

class WindowForm final : public Form {
public:
    std::string ReadText(int controlId) override;
    // A label is repainted at once, so that texts written during a long calculation show while
    // the message loop waits for it.
    void WriteText(int controlId, const std::string& text) override;
};

}  // namespace kestavel::ui
