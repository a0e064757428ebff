#include "roster/roster_line_reader.h"

#include <cstring>

#include "text/number_text.h"
#include "roster/roster_line_scan.h"

namespace kestavel {

namespace {

// A number token needs at most sign, 11 digits, sign, 11 digits and one byte more: the
// number and the speed can share one token ("5+3").
constexpr size_t kNumberTokenKept = 32;
// Eleven significant digits already lie beyond the 32-bit range, so more change nothing.
constexpr int kDigitsKept = 11;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void LineCompactor::Reset() {
    text_.clear();
    started_ = comment_ = afterNul_ = inToken_ = false;
    blank_ = true;
    tokens_ = 0;
    tokenBytes_ = 0;
    digitRun_ = 0;
}

void LineCompactor::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (!started_) {
            started_ = true;
            comment_ = c == '#';
        }
        if (comment_ || afterNul_) continue;
        if (c == '\0') {
            afterNul_ = true;
            blank_ = false;
            continue;
        }
        if (IsBlank(c)) {
            inToken_ = false;
            if (!text_.empty() && text_.back() != ' ') text_.push_back(' ');
            continue;
        }
        blank_ = false;
        if (!inToken_) {
            inToken_ = true;
            ++tokens_;
            tokenBytes_ = 0;
            digitRun_ = 0;
        }
        if (tokens_ > 4) continue;
        if (tokens_ <= 2) {
            if (tokenBytes_ < (tokens_ == 1 ? kLabelHolderSize : kNameHolderSize)) {
                text_.push_back(c);
                ++tokenBytes_;
            }
            continue;
        }
        if (tokenBytes_ >= kNumberTokenKept) continue;
        if (!IsDigit(c)) {
            digitRun_ = 0;
        } else if (digitRun_ == 1 && text_.back() == '0') {
            text_.back() = c;  // a leading zero adds nothing
            continue;
        } else if (digitRun_ >= kDigitsKept) {
            continue;
        } else {
            ++digitRun_;
        }
        text_.push_back(c);
        ++tokenBytes_;
    }
}

RosterLine LineCompactor::Line() const {
    RosterLine line;
    line.text = text_;
    line.comment = comment_;
    line.blank = blank_;
    line.overFourTokens = tokens_ > 4;
    return line;
}

bool RosterLineReader::Refill() {
    pos_ = end_ = 0;
    if (!stream_.good()) return false;
    stream_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    end_ = static_cast<size_t>(stream_.gcount());
    if (encoding_) encoding_->Feed(std::string_view(chunk_.data(), end_));
    return end_ > 0;
}

bool RosterLineReader::Next(RosterLine& line) {
    bool started = false;
    compactor_.Reset();
    for (;;) {
        if (pos_ == end_ && !Refill()) {
            if (!started) return false;
            break;
        }
        const char* start = chunk_.data() + pos_;
        const size_t left = end_ - pos_;
        const char* lineEnd = static_cast<const char*>(std::memchr(start, '\n', left));
        const size_t length = lineEnd ? static_cast<size_t>(lineEnd - start) : left;
        if (!started && lineEnd) {
            // The whole line is in the buffer: it is its own compact form.
            line = RosterLine{};
            line.text = std::string_view(start, length);
            line.comment = length > 0 && start[0] == '#';
            line.blank = true;
            for (const char c : line.text) {
                if (!IsBlank(c)) {
                    line.blank = false;
                    break;
                }
            }
            pos_ += length + 1;
            return true;
        }
        started = true;
        compactor_.Feed(std::string_view(start, length));
        pos_ += length;
        if (lineEnd) {
            ++pos_;
            break;
        }
    }
    line = compactor_.Line();
    return true;
}

}  // namespace kestavel
