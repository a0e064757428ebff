// Roster texts read by the browser's own decoder, strict as the CLI's system tables are: the
// report layer decides what becomes of a byte that starts no character.

#include <emscripten.h>

#include "report/text/code_page.h"

// The UTF-8 length written into `out`, or -1 when the decoder refuses a byte.
EM_JS(int, DecodeCp932Into, (const char* bytes, int size, char* out, int capacity), {
    try {
        Module.cp932Decoder = Module.cp932Decoder || new TextDecoder('shift_jis', {fatal: true});
        const text = Module.cp932Decoder.decode(HEAPU8.slice(bytes, bytes + size));
        return stringToUTF8(text, out, capacity);
    } catch (e) {
        return -1;
    }
});

std::optional<std::string> kestavel::report::Utf8FromCp932(std::string_view cp932) {
    // A code page 932 byte or pair is at most three bytes of UTF-8; one more for the decoder's
    // closing zero.
    std::string utf8(3 * cp932.size() + 1, '\0');
    const int length = DecodeCp932Into(cp932.data(), static_cast<int>(cp932.size()), utf8.data(),
                                       static_cast<int>(utf8.size()));
    if (length < 0) return std::nullopt;
    utf8.resize(static_cast<size_t>(length));
    return utf8;
}
