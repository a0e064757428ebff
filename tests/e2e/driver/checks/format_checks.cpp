// The Windows build's own formatter on the values where printf-style rounding differs between
// C libraries: exact ties and values stored just beside one. The native tests pin the same digits.

#include <windows.h>

#include <string>

#include "check_report.h"
#include "text/window_texts.h"
#include "text/text_format.h"
#include "scenarios.h"

namespace e2e {

namespace {

std::wstring Wide(const std::string& cp932) {
    if (cp932.empty()) return {};
    const int length = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), length);
    return wide;
}

}  // namespace

void CheckFormatsOnTies() {
    using kestavel::FormatText;
    namespace messages = kestavel::messages;
    Section(L"the program's formats on rounding ties");
    const struct {
        std::string actual;
        const char* expected;
    } cases[] = {
        {FormatText(100, messages::kShutOutResult, {2, 51.25}), "2体 完封率: 51.2％"},  // a tie: to even
        {FormatText(100, messages::kFirstStrikeResult, {0.05}), "個別先制率: 0.1％"},    // just above a tie
        {FormatText(100, messages::kFirstStrikeResult, {99.95}), "個別先制率: 100.0％"},
        {FormatText(100, messages::kFirstStrikeResult, {100000 / 1000.0}), "個別先制率: 100.0％"},
        {FormatText(100, messages::kEstimateTableRow, {3, 51.25, 0.05}), "　3\t 51.2\t 0.1"},
        {FormatText(100, messages::kEstimateProgress, {100.0 / 108}), "計算中: 0.9％"},
        {FormatText(1024, "%d\t%.2f\t%.2f\n", {7, 0.125, 0.375}), "7\t0.12\t0.38\n"},
    };
    for (const auto& c : cases) ExpectText(L"formatted text", Wide(c.expected), Wide(c.actual));
}

}  // namespace e2e
