#pragma once
// The output sequence of a std::mt19937 as a window of its untempered words, generated ahead in
// blocks, read from and written back to the engine so that it ends exactly where the same
// number of plain draws would have left it.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "engine/trials/trial_kernel.h"
#include "engine/trials/twister_state_text.h"

namespace kestavel {

class TwisterSequence {
public:
    static constexpr size_t kWordsPerRefill = 16 * kTwisterWords;
    // Words that may be left untaken at a refill: a kernel's longest block of the longest trials.
    static constexpr size_t kMostWordsKept = static_cast<size_t>(kMostTrialsPerBlock) * kMaxTrialStride;
    static_assert(kWordsPerRefill % 16 == 0, "every kernel extends the sequence 16 words at a time");

    // Takes over the engine's position. False when the engine's state cannot be read (a
    // standard library that writes neither form): the caller then draws plainly.
    bool Load(const std::mt19937& engine);
    // Leaves the engine as if every word taken since Load had been drawn from it one by one.
    void Store(std::mt19937& engine) const;

    // What Load and Store do with the engine's text, in a form named outright, so that the form
    // this library does not write can be tried too. StoreText gives the form loaded.
    bool LoadText(std::string_view text, TwisterStateForm form);
    std::string StoreText() const;

    // The untempered words of the next outputs, Available() of them.
    const uint32_t* Next() const { return words_ + position_; }
    size_t Available() const { return end_ - position_; }
    void Take(size_t count) {
        position_ += count;
        taken_ += count;
    }

    // Generates the next kWordsPerRefill words; keeps the ones not yet taken, of which there
    // may be up to kMostWordsKept.
    void Refill(const TrialKernel& kernel);

    // What Store falls back on: the engine as loaded, advanced by one draw per word taken.
    void StoreByDrawing(std::mt19937& engine) const;

private:
    // words_[0, 624) is always a whole state of the engine (for libstdc++'s form a block, as
    // the engine holds it after a twist); the words after it follow on. Once position_ is 624
    // or more, the 624 words before it are kept as well: the standard's form writes them.
    alignas(64) uint32_t words_[kMostWordsKept + 2 * kTwisterWords + kWordsPerRefill];
    size_t position_ = 0;  // index of the word of the next output
    size_t end_ = 0;
    uint64_t taken_ = 0;
    TwisterStateForm form_ = TwisterStateForm::kBlockAndIndex;
    std::mt19937 loaded_;
};

// Whether this standard library's engine state can be read and written as TwisterSequence
// does, in whichever of the two forms it writes; checked once, against the engine's own draws.
bool TwisterStateUnderstood();

}  // namespace kestavel
