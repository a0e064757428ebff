#pragma once
// Sends the core's debug trace lines to the debugger output, byte for byte.

namespace kestavel::ui {

void RouteTraceToDebugger();

}  // namespace kestavel::ui
