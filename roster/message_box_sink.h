#pragma once
// A message box with an OK button that the user has to close: how the loader tells the user
// that the roster file could not be read. Texts are code page 932 bytes.

#include <string>

namespace kestavel {

class MessageBoxSink {
public:
    virtual ~MessageBoxSink() = default;
    // Shows `text` under `caption` and returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};

}  // namespace kestavel
