// What a roster's bytes look like, as the loader's report tells it: the files Notepad saves, and
// the code page 932 and ASCII files that must never be taken for them.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "roster/roster_encoding.h"
#include "roster/roster_loader.h"

namespace kestavel {
namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string Utf16(const char16_t* text, bool bigEndian) {
    std::string bytes;
    for (; *text; ++text) {
        const char high = static_cast<char>(*text >> 8), low = static_cast<char>(*text & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(RosterEncoding, TellsNotepadsEncodingsFromCodePage932) {
    const std::string bom = "\xEF\xBB\xBF";
    const char16_t* utf16 = u"\uFEFF森 灰色おおかみ 2 62\r\nA b 1 5\r\n";
    const struct {
        const char* what;
        std::string bytes;
        RosterEncoding expected;
    } cases[] = {
        {"UTF-8", Utf8(u8"森 灰色おおかみ 2 62\r\nA b 1 5\r\n"), RosterEncoding::kUtf8},
        {"UTF-8 with a byte-order mark", bom + Utf8(u8"森 灰色おおかみ 2 62\r\n"), RosterEncoding::kUtf8WithBom},
        {"the mark before ASCII", bom + "A b 1 5\n", RosterEncoding::kUtf8WithBom},
        {"UTF-8 capitals with accents", Utf8(u8"A ÄÖ 1 5\n"), RosterEncoding::kUtf8},
        {"UTF-16 LE", Utf16(utf16, false), RosterEncoding::kUtf16Le},
        {"UTF-16 BE", Utf16(utf16, true), RosterEncoding::kUtf16Be},
        {"UTF-16 LE without the mark", Utf16(utf16 + 1, false), RosterEncoding::kUtf16Le},
        // The test's own literals are code page 932.
        {"code page 932 kana and kanji", "森 灰色おおかみ 2 62\r\nA b 1 5\r\n", RosterEncoding::kCodePage932},
        // ﾃｽ: two half-width katakana that also make the UTF-8 of U+00FD.
        {"half-width katakana that is valid UTF-8", "A \xC3\xBD 1 5\n", RosterEncoding::kCodePage932},
        {"ASCII", "# list\nA b 1 5\n", RosterEncoding::kCodePage932},
        {"NUL bytes alone", std::string(64, '\0'), RosterEncoding::kCodePage932},
        {"nothing", "", RosterEncoding::kCodePage932},
    };
    for (const auto& c : cases) {
        auto table = std::make_unique<RosterTable>();
        RosterLoadReport report;
        std::istringstream stream(c.bytes);
        ReadRosterLines(*table, stream, &report);
        EXPECT_EQ(report.encoding, c.expected) << c.what;
        // However the bytes come in pieces, the guess is the same.
        RosterEncodingGuess byteByByte;
        for (const char byte : c.bytes) byteByByte.Feed(std::string_view(&byte, 1));
        EXPECT_EQ(byteByByte.Result(), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace kestavel
