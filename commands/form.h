#pragma once
// What the form commands need of the window: the text of a control, by identifier, and
// replacing it. Texts are code page 932 bytes.

#include <string>

namespace kestavel {

class Form {
public:
    virtual ~Form() = default;
    // The control's whole text (the commands use at most its first 99 bytes).
    virtual std::string ReadText(int controlId) = 0;
    // Replaces the control's whole text; the empty text clears it.
    virtual void WriteText(int controlId, const std::string& text) = 0;
};

}  // namespace kestavel
