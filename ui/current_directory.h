#pragma once
// The process's current directory, recorded once at start-up as code page 932 bytes, for the
// roster file.

#include <string>

namespace kestavel::ui {

constexpr int kCurrentDirectorySize = 261;  // 260 bytes and the terminating zero
extern char currentDirectory[kCurrentDirectorySize];

// Fills `currentDirectory` and returns the whole directory. One whose code page 932 form does
// not fit the buffer leaves the buffer empty but is still returned in full, so that the roster
// is looked for where the program runs and never in the root of the drive.
std::string RecordCurrentDirectory();

}  // namespace kestavel::ui
