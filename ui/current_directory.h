#pragma once
// The process's current directory, recorded once at start-up as code page 932 bytes, for the
// roster file.

namespace kestavel::ui {

constexpr int kCurrentDirectorySize = 261;  // 260 bytes and the terminating zero
extern char currentDirectory[kCurrentDirectorySize];

// Fills `currentDirectory`. A directory that cannot be read, or whose code page 932 form does
// not fit, leaves it empty.
void RecordCurrentDirectory();

}  // namespace kestavel::ui
