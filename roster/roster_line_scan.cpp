#include "roster/roster_line_scan.h"

#include <cstring>

#include "text/number_text.h"

namespace kestavel {

namespace {

// Compares the digits themselves: the value read cannot tell 2147483647 from a number past it.
bool BeyondRange(std::string_view digits, bool negative) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    const std::string_view limit = negative ? "2147483648" : "2147483647";
    return digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit);
}

class LineCursor {
public:
    explicit LineCursor(std::string_view line) : line_(line) {}

    bool AtEnd() const { return pos_ == line_.size(); }
    bool AtBlankOrEnd() const { return AtEnd() || IsBlank(line_[pos_]); }

    void SkipBlanks() {
        while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
    }

    // The next run of non-blank bytes (empty at the end of the line).
    std::string_view Token() {
        SkipBlanks();
        const size_t start = pos_;
        while (pos_ < line_.size() && !IsBlank(line_[pos_])) ++pos_;
        return line_.substr(start, pos_ - start);
    }

    // An optional sign and at least one digit; false when there are no digits. `overflows`: the
    // digits lie beyond the 32-bit range, so that `value` is only the nearest limit.
    bool Number(int32_t& value, bool& overflows) {
        SkipBlanks();
        size_t end = pos_;
        if (end < line_.size() && (line_[end] == '+' || line_[end] == '-')) ++end;
        const size_t digitsStart = end;
        while (end < line_.size() && line_[end] >= '0' && line_[end] <= '9') ++end;
        if (end == digitsStart) return false;
        value = ParseLeadingInt(line_.substr(pos_, end - pos_));
        overflows = BeyondRange(line_.substr(digitsStart, end - digitsStart), line_[pos_] == '-');
        pos_ = end;
        return true;
    }

private:
    std::string_view line_;
    size_t pos_ = 0;
};

// Copies a token into a holder; false (and an empty holder) when it does not fit.
template <size_t N>
bool Hold(std::string_view token, char (&holder)[N]) {
    if (token.size() > N - 1) {
        holder[0] = '\0';
        return false;
    }
    std::memcpy(holder, token.data(), token.size());
    holder[token.size()] = '\0';
    return true;
}

// Takes the next token into `holder`; false when the line ended or the token is too long.
template <size_t N>
bool ReadText(LineCursor& cursor, char (&holder)[N], RosterLineFields& fields) {
    const std::string_view token = cursor.Token();
    if (token.empty()) return false;
    if (!Hold(token, holder)) {
        fields.stop = LineScanStop::kFieldTooLong;
        return false;
    }
    ++fields.fieldsRead;
    return true;
}

bool ReadNumber(LineCursor& cursor, int32_t& holder, bool& runsOn, bool& overflows, RosterLineFields& fields) {
    if (!cursor.Number(holder, overflows)) {
        cursor.SkipBlanks();
        fields.stoppedAtText = !cursor.AtEnd();
        return false;
    }
    runsOn = !cursor.AtBlankOrEnd();
    ++fields.fieldsRead;
    return true;
}

}  // namespace

RosterLineFields ScanRosterLine(std::string_view line) {
    // The line is read as a zero-terminated text: a NUL byte ends it.
    line = line.substr(0, line.find('\0'));
    RosterLineFields fields;
    LineCursor cursor(line);
    if (ReadText(cursor, fields.label, fields) && ReadText(cursor, fields.name, fields) &&
        ReadNumber(cursor, fields.number, fields.numberRunsOn, fields.numberOverflows, fields) &&
        ReadNumber(cursor, fields.speed, fields.speedRunsOn, fields.speedOverflows, fields)) {
        fields.stop = LineScanStop::kComplete;
        if (fields.speedRunsOn) cursor.Token();  // the rest of the speed's token
        cursor.SkipBlanks();
        fields.moreThanFour = !cursor.AtEnd();
    }
    return fields;
}

}  // namespace kestavel
