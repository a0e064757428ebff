#include "cli/output/progress_line.h"

#include <utility>

#include "cli/output/output.h"
#include "cli/platform/console.h"

namespace kestavel::cli {

namespace {

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

// The bytes of the UTF-8 character at `i` and the columns it takes.
std::pair<size_t, int> CharacterAt(const std::string& utf8, size_t i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (size_t k = 1; k < length && i + k < utf8.size(); ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
    return {length, IsWide(code) ? 2 : 1};
}

}  // namespace

std::string FitToColumns(const std::string& utf8, int columns) {
    int used = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto [length, width] = CharacterAt(utf8, i);
        used += width;
        if (used > columns) return utf8.substr(0, i);
        i += length;
    }
    return utf8;
}

int ColumnsOf(const std::string& utf8) {
    int used = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto [length, width] = CharacterAt(utf8, i);
        used += width;
        i += length;
    }
    return used;
}

ProgressLine::ProgressLine() {
    terminal_ = IsTerminal(Stream::kErr);
    if (!terminal_) return;
    if (const int columns = TerminalColumns(Stream::kErr); columns > 0) columns_ = columns;
    // Where the sequence that erases to the line's end is not understood, spaces do it.
    erase_ = TerminalErasesLines(Stream::kErr) ? "\r\x1b[K" : "\r" + std::string(columns_ - 1, ' ') + "\r";
}

void ProgressLine::Show(const std::string& utf8) {
    if (!terminal_) return;
    // One column spare: a text that fills the last column would wrap on some terminals.
    WriteErrorText(erase_ + FitToColumns(utf8, columns_ - 1));
    shown_ = true;
}

void ProgressLine::Clear() {
    if (!shown_) return;
    WriteErrorText(erase_);
    shown_ = false;
}

}  // namespace kestavel::cli
