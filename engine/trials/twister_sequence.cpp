#include "engine/trials/twister_sequence.h"

#include <charconv>
#include <cstring>
#include <locale>
#include <memory>
#include <sstream>
#include <string>

namespace kestavel {

// The state is read and written through the engine's stream operators. The standard defines
// that text as the last 624 words the engine made, X(i-624) ... X(i-1); libstdc++ writes
// instead the 624 words of its current block and then the index of the next word to be
// tempered and returned (624 once the block is used up), and other libraries differ again. This
// file speaks libstdc++'s form; TwisterStateUnderstood checks once, against the engine's own
// draws, that the library at hand writes that form, and the fast paths are used only then.

bool TwisterSequence::Load(const std::mt19937& engine) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << engine;
    const std::string text = out.str();
    const char* cursor = text.data();
    const char* const last = text.data() + text.size();
    auto readNumber = [&](uint64_t& value) {
        while (cursor < last && *cursor == ' ') ++cursor;
        const auto [end, error] = std::from_chars(cursor, last, value);
        if (error != std::errc()) return false;
        cursor = end;
        return true;
    };
    for (uint32_t& word : words_) word = 0;
    for (int i = 0; i < kTwisterWords; ++i) {
        uint64_t value = 0;
        if (!readNumber(value) || value > 0xFFFFFFFFu) return false;
        words_[i] = static_cast<uint32_t>(value);
    }
    uint64_t index = 0;
    if (!readNumber(index) || index > static_cast<uint64_t>(kTwisterWords)) return false;
    while (cursor < last && *cursor == ' ') ++cursor;
    if (cursor != last) return false;
    position_ = static_cast<size_t>(index);
    end_ = kTwisterWords;
    taken_ = 0;
    loaded_ = engine;
    return true;
}

void TwisterSequence::Store(std::mt19937& engine) const {
    if (taken_ == 0) return;
    // The engine twists only when it needs the next word, so after a draw its index is 1 to
    // 624 within the block of the last word drawn.
    const size_t block = (position_ - 1) / kTwisterWords;
    const size_t index = position_ - block * kTwisterWords;
    std::string text;
    text.reserve(kTwisterWords * 11 + 4);
    char number[24];
    for (int i = 0; i < kTwisterWords; ++i) {
        const auto result = std::to_chars(number, number + sizeof number, words_[block * kTwisterWords + i]);
        text.append(number, result.ptr);
        text.push_back(' ');
    }
    const auto result = std::to_chars(number, number + sizeof number, index);
    text.append(number, result.ptr);
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::mt19937 stored;
    in >> stored;
    // A text the engine does not take back leaves the stream failed and the engine unknown:
    // then reach the same position the slow way.
    if (in.fail()) {
        StoreByDrawing(engine);
        return;
    }
    engine = stored;
}

void TwisterSequence::StoreByDrawing(std::mt19937& engine) const {
    engine = loaded_;
    engine.discard(taken_);
}

void TwisterSequence::Refill(const TrialKernel& kernel) {
    // Keep the words not yet taken and the last 624 words, which the recurrence reads, from
    // the start of a block on, so that words_ still begins with a whole state.
    size_t keepFrom = position_ - position_ % kTwisterWords;
    if (keepFrom > end_ - kTwisterWords) keepFrom = end_ - kTwisterWords;
    std::memmove(words_, words_ + keepFrom, (end_ - keepFrom) * sizeof(uint32_t));
    position_ -= keepFrom;
    end_ -= keepFrom;
    kernel.extend(words_, end_, end_ + kWordsPerRefill);
    end_ += kWordsPerRefill;
}

namespace {

bool CheckStateRoundTrip() {
    std::mt19937 engine(20240517u);
    engine.discard(1000);
    auto sequence = std::make_unique<TwisterSequence>();
    if (!sequence->Load(engine)) return false;
    std::mt19937 copy = engine;
    for (int i = 0; i < 3 * kTwisterWords; ++i) {
        if (sequence->Available() == 0) sequence->Refill(*PortableKernel());
        if (TemperWord(*sequence->Next()) != static_cast<uint32_t>(copy())) return false;
        sequence->Take(1);
    }
    std::mt19937 stored;
    sequence->Store(stored);
    return stored == copy;
}

}  // namespace

bool TwisterStateUnderstood() {
    static const bool understood = CheckStateRoundTrip();
    return understood;
}

}  // namespace kestavel
