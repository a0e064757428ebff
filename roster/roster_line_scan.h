#pragma once
// Splitting one data line of the roster file into its four fields: label, name, number and
// speed, separated by runs of white space (space, tab, LF, VT, FF, CR). The code page 932
// full-width space is not white space: it belongs to the token it stands in.

#include <cstdint>
#include <string_view>

namespace kestavel {

constexpr size_t kLabelHolderSize = 99;   // a label holds at most 98 bytes
constexpr size_t kNameHolderSize = 999;   // a name holds at most 998 bytes

enum class LineScanStop {
    kComplete,       // all four fields were read
    kMissingField,   // the line ended, or a number field held no digits, before the fourth field
    kFieldTooLong,   // a label over 98 bytes or a name over 998 bytes
};

// The holders of one line, fresh for every line: a field that the scan did not reach stays
// empty (texts) or 0 (numbers), so nothing of an earlier line can leak into this one.
struct RosterLineFields {
    char label[kLabelHolderSize] = {};
    char name[kNameHolderSize] = {};
    int32_t number = 0;
    int32_t speed = 0;
    int fieldsRead = 0;  // 0 to 4
    LineScanStop stop = LineScanStop::kMissingField;
    // What a roster's author may not have meant; the window reads the line all the same.
    bool stoppedAtText = false;   // the number field that stopped the scan held a non-number
    bool numberRunsOn = false;    // the number's digits are followed by other bytes ("12abc")
    bool speedRunsOn = false;     // the same for the speed
    bool numberOverflows = false; // the number's digits lie beyond the 32-bit range
    bool speedOverflows = false;  // the same for the speed
    bool moreThanFour = false;    // a token follows the speed's
};

// Scans `line`, up to its first NUL byte if it holds one, field by field and stops at the first field that cannot be read; a too-long
// text field leaves its holder empty. A number is an optional sign and decimal digits; one
// beyond the 32-bit range reads as the nearest limit. Whatever follows the fourth field is
// ignored.
RosterLineFields ScanRosterLine(std::string_view line);

}  // namespace kestavel
