#pragma once
// The process's current directory, recorded once at start-up as code page 932 bytes: where the
// roster file is looked for.

#include <string>

namespace kestavel::ui {

// Filled once by RecordCurrentDirectory, read by the roster's start-up step. A string, not a
// buffer of 261 bytes: a directory whose code page 932 form is longer must still be where the
// roster is looked for, never the root of the drive that an emptied buffer would name.
extern std::string currentDirectory;

void RecordCurrentDirectory();

}  // namespace kestavel::ui
