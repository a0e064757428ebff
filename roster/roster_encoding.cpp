#include "roster/roster_encoding.h"

namespace kestavel {

namespace {

// UTF-16 text of a roster is mostly ASCII: spaces, digits, line ends. Each such character has a
// NUL byte on the same side of its pair, where code page 932 text has none at all. A character
// like U+4E00 puts a NUL on the other side now and then, so that side only has to hold far fewer.
bool NulsMarkUtf16(uint64_t nulsOnOneSide, uint64_t nulsOnOtherSide, uint64_t bytes) {
    return nulsOnOneSide > 0 && nulsOnOneSide * 16 >= bytes && nulsOnOtherSide * 4 < nulsOnOneSide;
}

}  // namespace

const char* RosterEncodingCode(RosterEncoding encoding) {
    switch (encoding) {
        case RosterEncoding::kCodePage932: break;
        case RosterEncoding::kUtf8: return "utf8";
        case RosterEncoding::kUtf8WithBom: return "utf8Bom";
        case RosterEncoding::kUtf16Le: return "utf16le";
        case RosterEncoding::kUtf16Be: return "utf16be";
    }
    return "cp932";
}

void RosterEncodingGuess::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (offset_ < sizeof head_) head_[offset_] = byte;
        if (byte == 0) ++(offset_ % 2 == 0 ? nulsAtEven_ : nulsAtOdd_);
        ++offset_;
        if (utf8Valid_) FeedUtf8(byte);
    }
}

void RosterEncodingGuess::FeedUtf8(unsigned char byte) {
    if (continuationsDue_ > 0) {
        if (byte < continuationLow_ || byte > continuationHigh_) {
            utf8Valid_ = false;
            return;
        }
        continuationLow_ = 0x80;
        continuationHigh_ = 0xBF;
        // Code page 932 reads C2-DF and A1-BF each as one half-width katakana, so a character of
        // those two bytes may as well be two of them. A second byte below A1, or a character of
        // three or four bytes (every kana and kanji), is what code page 932 text rarely makes.
        if (--continuationsDue_ == 0 && (lead_ >= 0xE0 || byte < 0xA1)) utf8UnlikeCodePage932_ = true;
        return;
    }
    if (byte < 0x80) return;
    lead_ = byte;
    if (byte >= 0xC2 && byte <= 0xDF) {
        continuationsDue_ = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        continuationsDue_ = 2;
        if (byte == 0xE0) continuationLow_ = 0xA0;   // overlong
        if (byte == 0xED) continuationHigh_ = 0x9F;  // surrogates
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        continuationsDue_ = 3;
        if (byte == 0xF0) continuationLow_ = 0x90;   // overlong
        if (byte == 0xF4) continuationHigh_ = 0x8F;  // beyond U+10FFFF
    } else {
        utf8Valid_ = false;  // a continuation byte without its lead, or a lead UTF-8 never uses
    }
}

RosterEncoding RosterEncodingGuess::Result() const {
    // A byte-order mark decides: no code page 932 roster starts with one.
    if (offset_ >= 3 && head_[0] == 0xEF && head_[1] == 0xBB && head_[2] == 0xBF) return RosterEncoding::kUtf8WithBom;
    if (offset_ >= 2 && head_[0] == 0xFF && head_[1] == 0xFE) return RosterEncoding::kUtf16Le;
    if (offset_ >= 2 && head_[0] == 0xFE && head_[1] == 0xFF) return RosterEncoding::kUtf16Be;
    if (NulsMarkUtf16(nulsAtOdd_, nulsAtEven_, offset_)) return RosterEncoding::kUtf16Le;
    if (NulsMarkUtf16(nulsAtEven_, nulsAtOdd_, offset_)) return RosterEncoding::kUtf16Be;
    // Code page 932 text with any kanji or kana is almost never valid UTF-8 as a whole: its lead
    // bytes 81-9F cannot start a UTF-8 character. Plain ASCII is both, and reads the same.
    if (utf8Valid_ && continuationsDue_ == 0 && utf8UnlikeCodePage932_) return RosterEncoding::kUtf8;
    return RosterEncoding::kCodePage932;
}

}  // namespace kestavel
