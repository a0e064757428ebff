// The block-generated word sequence against std::mt19937 itself: every extension kernel gives
// the engine's outputs, and the engine is handed back exactly where the same draws leave it,
// through the state text in this library's form and in the other.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/trials/trial_kernel.h"
#include "engine/trials/twister_sequence.h"
#include "engine/trials/twister_state_text.h"
#include "tests/engine/twister_words.h"

namespace kestavel {
namespace {

uint32_t Tempered(uint32_t y) {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    return y ^ (y >> 18);
}

TEST(TwisterSequence, ReadsThisLibrarysEngineState) { EXPECT_TRUE(TwisterStateUnderstood()); }

// From engine positions at the start, inside and at the end of a block, words are taken in
// steps that cross several refills; the words and the engine handed back, through its state
// text and by drawing, match plain draws.
TEST(TwisterSequence, FollowsTheEngineAndHandsItBackWithEveryKernel) {
    for (TrialPath path : AllTrialPaths()) {
        const TrialKernel* kernel = KernelFor(path);
        if (kernel == nullptr || !TrialPathSupported(path)) continue;
        SCOPED_TRACE(TrialPathName(path));
        for (int skipped : {0, 1, 397, 623, 624, 625, 1500}) {
            std::mt19937 engine(static_cast<uint32_t>(skipped) + 11u);
            engine.discard(static_cast<unsigned long long>(skipped));
            auto sequence = std::make_unique<TwisterSequence>();
            ASSERT_TRUE(sequence->Load(engine));

            std::mt19937 expected = engine;
            size_t step = 1;
            for (size_t taken = 0; taken < 40000; taken += step, step = step * 7 % 3001 + 1) {
                while (sequence->Available() < step) sequence->Refill(*kernel);
                for (size_t i = 0; i < step; ++i) {
                    ASSERT_EQ(Tempered(sequence->Next()[i]), static_cast<uint32_t>(expected())) << "word " << taken + i;
                }
                sequence->Take(step);
            }
            std::mt19937 drawn;
            sequence->StoreByDrawing(drawn);
            ASSERT_EQ(drawn, expected) << "drawn, after skipping " << skipped;
            sequence->Store(engine);
            ASSERT_EQ(engine, expected) << "after skipping " << skipped;
        }
    }
}

TEST(TwisterSequence, LeavesTheEngineAloneWhenNothingWasTaken) {
    std::mt19937 engine(5);
    engine.discard(100);
    const std::mt19937 before = engine;
    auto sequence = std::make_unique<TwisterSequence>();
    ASSERT_TRUE(sequence->Load(engine));
    sequence->Refill(*PortableKernel());
    sequence->Store(engine);
    EXPECT_EQ(engine, before);
}

// The standard's form (libc++'s), made from the engine's definition: the words that follow
// are the engine's across refills, and the text given back, also just after a refill, is the
// 624 words before the next.
TEST(TwisterSequence, ReadsAndWritesTheStandardsForm) {
    const std::vector<uint32_t> words = testing::TwisterWords(4357u, 42000);
    auto lastWords = [&](size_t drawn) {
        std::ostringstream text;
        for (size_t i = drawn; i < drawn + kTwisterWords; ++i) text << (i > drawn ? " " : "") << words[i];
        return text.str();
    };
    for (size_t skipped : {0, 1, 623, 624, 625, 1500}) {
        std::mt19937 engine(4357u);
        engine.discard(skipped);
        auto sequence = std::make_unique<TwisterSequence>();
        ASSERT_TRUE(sequence->LoadText(lastWords(skipped), TwisterStateForm::kLastWords));
        size_t taken = 0;
        for (size_t step = 1; taken + step <= 40000; taken += step, step = step * 7 % 3001 + 1) {
            while (sequence->Available() < step) sequence->Refill(*PortableKernel());
            ASSERT_EQ(sequence->StoreText(), lastWords(skipped + taken)) << "after skipping " << skipped;
            for (size_t i = 0; i < step; ++i) {
                ASSERT_EQ(Tempered(sequence->Next()[i]), static_cast<uint32_t>(engine())) << "word " << taken + i;
            }
            sequence->Take(step);
        }
        EXPECT_EQ(sequence->StoreText(), lastWords(skipped + taken)) << "after skipping " << skipped;
    }
}

// Texts that are not exactly one state in the form asked for are refused.
TEST(TwisterSequence, RefusesAStateTextNotInTheFormAsked) {
    std::string words;
    for (int i = 0; i < kTwisterWords - 1; ++i) words += std::to_string(i * 6151u) + " ";
    const std::string last = "4294967295";
    const struct {
        std::string text;
        TwisterStateForm form;
        bool read;
    } cases[] = {
        {words + last, TwisterStateForm::kLastWords, true},
        {words + last + " 624", TwisterStateForm::kBlockAndIndex, true},
        {words + last + " 0", TwisterStateForm::kBlockAndIndex, true},
        {words + last, TwisterStateForm::kBlockAndIndex, false},
        {words + last + " 624", TwisterStateForm::kLastWords, false},
        {words + last + " 625", TwisterStateForm::kBlockAndIndex, false},
        {words + "4294967296", TwisterStateForm::kLastWords, false},
        {words + last + " x", TwisterStateForm::kLastWords, false},
        {words, TwisterStateForm::kLastWords, false},
    };
    for (const auto& c : cases) {
        auto sequence = std::make_unique<TwisterSequence>();
        EXPECT_EQ(sequence->LoadText(c.text, c.form), c.read) << c.text.substr(c.text.size() - 20);
    }
}

}  // namespace
}  // namespace kestavel
