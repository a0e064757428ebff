#include "ui/debugger_trace.h"

#include <windows.h>

#include <string>

#include "engine/debug_trace.h"

namespace kestavel::ui {

void RouteTraceToDebugger() {
    // The lines are code page 932 bytes and go out unchanged.
    SetTraceSink([](std::string_view line) { OutputDebugStringA(std::string(line).c_str()); });
}

}  // namespace kestavel::ui
