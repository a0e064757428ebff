#include "report/text/shown_text.h"

#include <algorithm>
#include <optional>

#include "report/text/code_page.h"
#include "text/cp932.h"

namespace kestavel::report {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendByteEscape(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
}

// Length of the valid UTF-8 sequence at the start of `text`, 0 when there is none.
size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    if (length == 3 && ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0))) return 0;
    if (length == 4 && ((lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90))) return 0;
    return length;
}

// Copies valid UTF-8, escaping invalid bytes and, when asked, control characters.
std::string EscapedUtf8(std::string_view text, bool escapeControls) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8SequenceLength(text.substr(i));
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            AppendByteEscape(out, lead);
            ++i;
            continue;
        }
        if (escapeControls && length == 1 && ((lead < 0x20 && lead != '\t') || lead == 0x7F)) {
            AppendByteEscape(out, lead);
        } else if (escapeControls && length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            const auto code = static_cast<unsigned char>(text[i + 1]);
            out += "\\u00";
            out += kHex[code >> 4];
            out += kHex[code & 15];
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

// Single bytes code page 932 leaves undefined. Some systems' tables still give them a character
// (Windows: 0x80 as U+0080, 0xA0 and 0xFD to 0xFF in the private use area), others refuse them;
// here they are never one, so that a roster shows the same everywhere.
bool IsUndefinedSingleByte(unsigned char byte) { return byte == 0x80 || byte == 0xA0 || byte >= 0xFD; }

// Code page 932 to UTF-8; each byte that does not start a character is written as "\xNN" (a
// backslash stands for itself elsewhere, so no valid character becomes an escape). Most texts
// convert as a whole: only the others are taken character by character.
std::string Cp932ToUtf8(std::string_view cp932) {
    const bool undefinedBytes = std::any_of(cp932.begin(), cp932.end(), [](char c) { return IsUndefinedSingleByte(c); });
    if (!undefinedBytes) {
        if (std::optional<std::string> whole = Utf8FromCp932(cp932)) return *std::move(whole);
    }
    std::string output;
    for (size_t i = 0; i < cp932.size();) {
        const auto lead = static_cast<unsigned char>(cp932[i]);
        const size_t width = IsCp932LeadByte(lead) && i + 1 < cp932.size() ? 2 : 1;
        std::optional<std::string> character;
        if (width == 2 || !IsUndefinedSingleByte(lead)) character = Utf8FromCp932(cp932.substr(i, width));
        if (character) {
            output += *character;
            i += width;
        } else {
            AppendByteEscape(output, lead);
            ++i;
        }
    }
    return output;
}

}  // namespace

std::string ShownText(std::string_view cp932) { return EscapedUtf8(Cp932ToUtf8(cp932), true); }

std::string ShownWindowText(std::string_view windowText) {
    // Two bytes and the closing zero in code page 932, three and the zero in UTF-8.
    constexpr bool kLiteralsAreUtf8 = sizeof("体") == 4;
    return kLiteralsAreUtf8 ? ShownArgument(windowText) : ShownText(windowText);
}

std::string Utf8Text(std::string_view cp932) { return Cp932ToUtf8(cp932); }

std::string ShownArgument(std::string_view bytes) { return EscapedUtf8(bytes, true); }

}  // namespace kestavel::report
