#include <fcntl.h>
#include <algorithm>
#include <io.h>
#include <windows.h>

#include "cli/platform/console.h"
#include "cli/platform/wide_text.h"

namespace kestavel::cli {

namespace {

HANDLE HandleOf(Stream stream) { return GetStdHandle(stream == Stream::kOut ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE); }

bool IsConsole(Stream stream) {
    DWORD mode = 0;
    return GetConsoleMode(HandleOf(stream), &mode) != 0;
}

}  // namespace

void PrepareStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool IsTerminal(Stream stream) { return IsConsole(stream); }

int TerminalColumns(Stream stream) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(HandleOf(stream), &info)) return 0;
    return info.srWindow.Right - info.srWindow.Left + 1;
}

bool TerminalErasesLines(Stream stream) {
    // Consoles before Windows 10 show the sequences as text: those erase with spaces instead.
    DWORD mode = 0;
    const HANDLE handle = HandleOf(stream);
    if (!GetConsoleMode(handle, &mode)) return false;
    return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
           SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

ConsoleWrite WriteToConsole(Stream stream, std::string_view utf8) {
    if (!IsConsole(stream)) return ConsoleWrite::kNotAConsole;
    // Whatever went to the same stream through the C library first (the help, say) goes first.
    std::fflush(FileOf(stream));
    const std::wstring wide = WideFromUtf8(utf8);
    const HANDLE handle = HandleOf(stream);
    for (size_t done = 0; done < wide.size();) {
        // Older consoles refuse long writes: a few thousand characters at a time.
        size_t chunk = std::min<size_t>(wide.size() - done, 8192);
        if (chunk < wide.size() - done && IS_HIGH_SURROGATE(wide[done + chunk - 1])) --chunk;  // pairs stay whole
        DWORD written = 0;
        if (!WriteConsoleW(handle, wide.data() + done, static_cast<DWORD>(chunk), &written, nullptr) || written == 0) {
            return ConsoleWrite::kFailed;
        }
        done += written;
    }
    return ConsoleWrite::kWritten;
}

std::FILE* FileOf(Stream stream) { return stream == Stream::kOut ? stdout : stderr; }

}  // namespace kestavel::cli
