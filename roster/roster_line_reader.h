#pragma once
// Cutting a roster stream into lines with memory bounded by the line holders, however long a
// line is: a line that lies whole in the read buffer is scanned where it stands; one that
// crosses the buffer's end is kept in a compact form that scans to the very same fields.

#include <istream>
#include <string>
#include <string_view>

#include "roster/roster_encoding.h"

namespace kestavel {

struct RosterLine {
    std::string_view text;   // the line, or its compact form; valid until the next line
    bool comment = false;    // the line's first byte is '#'
    bool blank = false;      // nothing but white space (a NUL byte is not white space)
    bool overFourTokens = false;  // a fifth token was cut from the compact form
};

// The compact form keeps what the scan can use: runs of white space become one space, a
// label or name token only one byte past its holder (enough to tell it is too long), number
// tokens with each run of digits shortened without changing the number it reads as, and no
// token after the fourth. Everything after a NUL byte is skipped.
class LineCompactor {
public:
    void Reset();
    void Feed(std::string_view bytes);
    RosterLine Line() const;

private:
    std::string text_;
    bool started_ = false;
    bool comment_ = false;
    bool afterNul_ = false;
    bool blank_ = true;
    bool inToken_ = false;
    int tokens_ = 0;
    size_t tokenBytes_ = 0;
    int digitRun_ = 0;  // digits kept of the current run in a number token
};

class RosterLineReader {
public:
    // Every byte read also goes to `encoding` when one is given, in the same single pass.
    explicit RosterLineReader(std::istream& stream, RosterEncodingGuess* encoding = nullptr)
        : stream_(stream), encoding_(encoding) {}
    // The next line, without its LF; false at the end of the stream or at a read error.
    bool Next(RosterLine& line);
    bool ReadFailed() const { return stream_.bad(); }

private:
    bool Refill();

    std::istream& stream_;
    RosterEncodingGuess* encoding_;
    static constexpr size_t kChunkSize = 64 * 1024;
    std::string chunk_ = std::string(kChunkSize, '\0');
    size_t pos_ = 0;
    size_t end_ = 0;
    LineCompactor compactor_;
};

}  // namespace kestavel
