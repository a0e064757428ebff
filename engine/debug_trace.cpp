#include "engine/debug_trace.h"

#include <utility>

namespace kestavel {

namespace {
TraceSink& CurrentSink() {
    static TraceSink sink;
    return sink;
}
}  // namespace

TraceSink SetTraceSink(TraceSink sink) { return std::exchange(CurrentSink(), std::move(sink)); }

bool IsTraceOn() { return static_cast<bool>(CurrentSink()); }

void TraceLine(std::string_view line) {
    if (auto& sink = CurrentSink()) sink(line);
}

}  // namespace kestavel
