#include "text/debug_trace.h"

#include <utility>

namespace kestavel {

namespace {
TraceSink* currentSink = nullptr;
}  // namespace

TraceSink* SetTraceSink(TraceSink* sink) { return std::exchange(currentSink, sink); }

bool IsTraceOn() { return currentSink != nullptr; }

void TraceLine(std::string_view line) {
    if (currentSink) currentSink->WriteLine(line);
}

}  // namespace kestavel
