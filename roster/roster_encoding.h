#pragma once
// What a roster file's bytes look like. The window reads them as code page 932 whatever they
// are; Notepad on Windows 10 and 11 saves UTF-8 unless told otherwise, which the window shows
// as garbled names, and UTF-16, of which it drops every line. The guess only tells the user so:
// it never changes how a line is read.

#include <cstdint>
#include <string_view>

namespace kestavel {

enum class RosterEncoding {
    kCodePage932,  // what the window reads: code page 932 text, plain ASCII, or no bytes at all
    kUtf8,         // valid UTF-8 that code page 932 would read otherwise, without a byte-order mark
    kUtf8WithBom,  // starts with the UTF-8 byte-order mark
    kUtf16Le,      // its byte-order mark, or NUL bytes as the high halves of ASCII characters
    kUtf16Be,
};

// Its stable name, for data that other programs read: cp932, utf8, utf8Bom, utf16le, utf16be.
const char* RosterEncodingCode(RosterEncoding encoding);

// Takes a file's bytes in order, in pieces of any size, so that the loader's one pass over a
// stream of any length is enough and no more of it is held than the loader holds.
class RosterEncodingGuess {
public:
    void Feed(std::string_view bytes);
    RosterEncoding Result() const;

private:
    void FeedUtf8(unsigned char byte);

    uint64_t offset_ = 0;
    unsigned char head_[3] = {};  // the first bytes, for a byte-order mark
    uint64_t nulsAtEven_ = 0;
    uint64_t nulsAtOdd_ = 0;
    bool utf8Valid_ = true;
    int continuationsDue_ = 0;
    unsigned char continuationLow_ = 0x80;   // the range the next continuation byte must lie in,
    unsigned char continuationHigh_ = 0xBF;  // narrower after a lead that could go overlong
    unsigned char lead_ = 0;
    bool utf8UnlikeCodePage932_ = false;
};

}  // namespace kestavel
