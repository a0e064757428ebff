#pragma once
// The debug trace: short lines for a developer watching the debugger output. The user never
// sees them. Where the lines go is set once by the front end (the Windows program sends them to
// the debugger); by default they go nowhere.

#include <string_view>

#include "text/text_format.h"

namespace kestavel {

// Receives the trace lines, each formatted whole (without a terminating zero of its own).
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void WriteLine(std::string_view line) = 0;
};

// Installs `sink`, which must outlive its use; null silences the trace. Returns the sink it
// replaces.
TraceSink* SetTraceSink(TraceSink* sink);

// The trace holds 1023 bytes a line, as a 1024-byte buffer would: a longer line is cut.
constexpr size_t kTraceBufferSize = 1024;

void TraceLine(std::string_view line);
bool IsTraceOn();

template <typename... Args>
void DebugPrint(std::string_view format, const Args&... args) {
    if (IsTraceOn()) TraceLine(FormatText(kTraceBufferSize, format, {FormatArg(args)...}));
}

}  // namespace kestavel
