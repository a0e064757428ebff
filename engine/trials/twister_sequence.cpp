#include "engine/trials/twister_sequence.h"

#include <cstring>
#include <memory>

namespace kestavel {

// The state goes in and out through the engine's stream text (see twister_state_text.h), in
// the form this library writes. libstdc++'s is a block as words_ holds it after a twist, with
// the index of the next word; the standard's is the 624 words before the next one, which is
// why Refill keeps them.

bool TwisterSequence::Load(const std::mt19937& engine) {
    const std::optional<TwisterStateForm> form = ThisLibrarysTwisterStateForm();
    if (!form || !LoadText(TwisterStateText(engine), *form)) return false;
    loaded_ = engine;
    return true;
}

bool TwisterSequence::LoadText(std::string_view text, TwisterStateForm form) {
    TwisterState state;
    if (!ParseTwisterState(text, form, state)) return false;
    for (uint32_t& word : words_) word = 0;
    std::memcpy(words_, state.words, sizeof state.words);
    position_ = state.next;
    end_ = kTwisterWords;
    taken_ = 0;
    form_ = form;
    return true;
}

std::string TwisterSequence::StoreText() const {
    if (form_ == TwisterStateForm::kLastWords) {
        return FormatTwisterState(words_ + position_ - kTwisterWords, kTwisterWords, form_);
    }
    // The engine twists only when it needs the next word, so after a draw its index is 1 to
    // 624 within the block of the last word drawn.
    const size_t block = position_ == 0 ? 0 : (position_ - 1) / kTwisterWords;
    return FormatTwisterState(words_ + block * kTwisterWords, position_ - block * kTwisterWords, form_);
}

void TwisterSequence::Store(std::mt19937& engine) const {
    if (taken_ == 0) return;
    // Should the engine not take the text back, reach the same position the slow way.
    if (!SetTwisterStateText(engine, StoreText())) StoreByDrawing(engine);
}

void TwisterSequence::StoreByDrawing(std::mt19937& engine) const {
    engine = loaded_;
    engine.discard(taken_);
}

void TwisterSequence::Refill(const TrialKernel& kernel) {
    // Keep the words not yet taken and the 624 before them, which the recurrence reads and
    // the standard's form writes, from the start of a block on, so that words_ still begins
    // with a whole state. That is at most kMostWordsKept + 1247 words.
    const size_t keepFrom =
        position_ < kTwisterWords ? 0 : (position_ - kTwisterWords) - (position_ - kTwisterWords) % kTwisterWords;
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
