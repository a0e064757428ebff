// Jumping ahead against discard, from engine positions at the start, inside and at the end of a
// block; far jumps against two shorter ones; and the state in either form of its text, made
// from the engine's definition.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "engine/trials/jump/twister_jump.h"
#include "tests/engine/twister_words.h"

namespace kestavel {
namespace {

constexpr uint64_t kNearDraws[] = {0, 1, 623, 624, 625, 626, 1000, 100000, uint64_t{1} << 19};
constexpr size_t kDrawnBefore[] = {0, 1, 623, 624, 1000};

TEST(TwisterJump, LeavesTheEngineAsDiscardDoes) {
    for (uint64_t draws : kNearDraws) {
        const TwisterJump jump(draws);
        for (size_t drawn : kDrawnBefore) {
            std::mt19937 engine(static_cast<uint32_t>(drawn) + 3u);
            engine.discard(drawn);
            std::mt19937 expected = engine;
            expected.discard(draws);
            std::mt19937 jumped = engine;
            jump.Apply(jumped);
            EXPECT_EQ(jumped, expected) << draws << " draws after " << drawn;
            JumpAhead(engine, draws);
            EXPECT_EQ(engine, expected) << "JumpAhead, " << draws << " draws after " << drawn;
        }
    }
}

// As far as discard is quick, the heaviest estimation's draws (134 runs of 1.4 million); beyond
// it, a jump against two shorter ones that add up to it.
TEST(TwisterJump, FarJumpsAgreeWithDiscardAndAddUp) {
    std::mt19937 engine(2024u);
    engine.discard(777);
    std::mt19937 expected = engine;
    expected.discard(1400000ull * 134);
    std::mt19937 jumped = engine;
    JumpAhead(jumped, 1400000ull * 134);
    EXPECT_EQ(jumped, expected);
    for (uint64_t draws : {uint64_t{4295276973}, (uint64_t{1} << 40) - 3}) {
        jumped = engine;
        JumpAhead(jumped, draws);
        std::mt19937 twice = engine;
        JumpAhead(twice, draws / 3);
        JumpAhead(twice, draws - draws / 3);
        EXPECT_EQ(jumped, twice) << draws;
    }
}

// libstdc++ keeps a block and the index of its next word, the standard's form the last 624
// words; the state after `drawn` outputs of the words from seeding, in either.
TwisterState StateAfter(const std::vector<uint32_t>& words, size_t drawn, TwisterStateForm form) {
    TwisterState state;
    size_t first = drawn;
    state.next = kTwisterWords;
    if (form == TwisterStateForm::kBlockAndIndex) {
        first = (kTwisterWords + drawn - 1) / kTwisterWords * kTwisterWords;
        state.next = kTwisterWords + drawn - first;
    }
    std::memcpy(state.words, words.data() + first, sizeof state.words);
    return state;
}

TEST(TwisterJump, JumpsEitherFormOfTheState) {
    const std::vector<uint32_t> words = testing::TwisterWords(99u, 102000);
    for (uint64_t draws : kNearDraws) {
        if (draws > 100000) continue;
        const TwisterJump jump(draws);
        for (TwisterStateForm form : {TwisterStateForm::kLastWords, TwisterStateForm::kBlockAndIndex}) {
            for (size_t drawn : kDrawnBefore) {
                const TwisterState jumped = jump.Apply(StateAfter(words, drawn, form), form);
                const TwisterState expected = StateAfter(words, drawn + draws, form);
                EXPECT_EQ(jumped.next, expected.next) << draws << " draws after " << drawn;
                const char* formName = form == TwisterStateForm::kLastWords ? "standard" : "libstdc++";
                EXPECT_EQ(std::memcmp(jumped.words, expected.words, sizeof jumped.words), 0)
                    << draws << " draws after " << drawn << ", " << formName << " form";
            }
        }
    }
}

}  // namespace
}  // namespace kestavel
