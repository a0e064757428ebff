#pragma once
// --svg FILE: the chart written to the file named, and a line on stderr that says where it went
// or why it could not go there.

#include <string>

namespace kestavel::cli {

// kExitDone, or kExitIoError when the file could not be written.
int WriteChartFile(const std::string& path, const std::string& svg);

}  // namespace kestavel::cli
