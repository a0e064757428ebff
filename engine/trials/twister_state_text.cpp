#include "engine/trials/twister_state_text.h"

#include <charconv>
#include <locale>
#include <sstream>

namespace kestavel {

namespace {

// The text's numbers are separated by single spaces; from_chars, unlike the stream, reads them
// the same under any locale.
class NumberReader {
public:
    // The text must outlive the reader.
    explicit NumberReader(std::string_view text) : cursor_(text.data()), last_(text.data() + text.size()) {}

    bool Read(uint64_t& value) {
        SkipSpaces();
        const auto [end, error] = std::from_chars(cursor_, last_, value);
        if (error != std::errc()) return false;
        cursor_ = end;
        return true;
    }
    bool AtEnd() {
        SkipSpaces();
        return cursor_ == last_;
    }

private:
    void SkipSpaces() {
        while (cursor_ < last_ && *cursor_ == ' ') ++cursor_;
    }
    const char* cursor_;
    const char* last_;
};

std::optional<TwisterStateForm> FormByCount() {
    const std::string text = TwisterStateText(std::mt19937());
    NumberReader reader(text);
    int count = 0;
    for (uint64_t value = 0; reader.Read(value);) ++count;
    if (!reader.AtEnd()) return std::nullopt;
    if (count == kTwisterWords) return TwisterStateForm::kLastWords;
    if (count == kTwisterWords + 1) return TwisterStateForm::kBlockAndIndex;
    return std::nullopt;
}

}  // namespace

std::optional<TwisterStateForm> ThisLibrarysTwisterStateForm() {
    static const std::optional<TwisterStateForm> form = FormByCount();
    return form;
}

std::string TwisterStateText(const std::mt19937& engine) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << engine;
    return out.str();
}

bool ParseTwisterState(std::string_view text, TwisterStateForm form, TwisterState& state) {
    NumberReader reader(text);
    for (uint32_t& word : state.words) {
        uint64_t value = 0;
        if (!reader.Read(value) || value > 0xFFFFFFFFu) return false;
        word = static_cast<uint32_t>(value);
    }
    uint64_t next = kTwisterWords;
    if (form == TwisterStateForm::kBlockAndIndex) {
        if (!reader.Read(next) || next > static_cast<uint64_t>(kTwisterWords)) return false;
    }
    state.next = static_cast<size_t>(next);
    return reader.AtEnd();
}

std::string FormatTwisterState(const uint32_t* words, size_t next, TwisterStateForm form) {
    std::string text;
    text.reserve(kTwisterWords * 11 + 4);
    char number[24];
    for (int i = 0; i < kTwisterWords; ++i) {
        if (i > 0) text.push_back(' ');
        text.append(number, std::to_chars(number, number + sizeof number, words[i]).ptr);
    }
    if (form == TwisterStateForm::kBlockAndIndex) {
        text.push_back(' ');
        text.append(number, std::to_chars(number, number + sizeof number, next).ptr);
    }
    return text;
}

bool SetTwisterStateText(std::mt19937& engine, const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::mt19937 read;
    in >> read;
    if (in.fail()) return false;
    engine = read;
    return true;
}

bool ReadTwisterState(const std::mt19937& engine, TwisterState& state, TwisterStateForm& form) {
    const std::optional<TwisterStateForm> known = ThisLibrarysTwisterStateForm();
    if (!known) return false;
    form = *known;
    return ParseTwisterState(TwisterStateText(engine), form, state);
}

}  // namespace kestavel
