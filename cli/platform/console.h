#pragma once
// What the program needs to know of the terminal behind stdout and stderr, and how text reaches
// it. A Windows console is written in UTF-16, so that Japanese shows right whatever its code
// page; a POSIX terminal takes the bytes as they are.

#include <cstdio>
#include <string_view>

namespace kestavel::cli {

enum class Stream { kOut, kErr };

// Before anything is written or read: on Windows, bytes pass the standard streams unchanged (no
// CR before each LF, no end of input at a 0x1A byte), as they do elsewhere.
void PrepareStandardStreams();

// Whether the stream is an interactive terminal or console.
bool IsTerminal(Stream stream);

// Its width in columns; 0 when unknown.
int TerminalColumns(Stream stream);

// Whether it acts on the escape sequences that erase a line.
bool TerminalErasesLines(Stream stream);

enum class ConsoleWrite { kNotAConsole, kWritten, kFailed };

// Writes `utf8` to the stream as characters when it is a Windows console; kNotAConsole leaves
// the writing of bytes to the caller.
ConsoleWrite WriteToConsole(Stream stream, std::string_view utf8);

std::FILE* FileOf(Stream stream);

}  // namespace kestavel::cli
