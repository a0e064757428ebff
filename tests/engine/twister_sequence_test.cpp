// The block-generated word sequence against std::mt19937 itself: every extension kernel gives
// the engine's outputs, and the engine is handed back exactly where the same draws leave it.

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "engine/trials/trial_kernel.h"
#include "engine/trials/twister_sequence.h"

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

}  // namespace
}  // namespace kestavel
