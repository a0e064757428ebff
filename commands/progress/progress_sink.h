#pragma once
// Where a long calculation reports how far it has come: one operation that replaces the
// whole text shown to the user (code page 932 bytes).

#include <string>

namespace kestavel {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void ReplaceText(const std::string& text) = 0;
};

}  // namespace kestavel
