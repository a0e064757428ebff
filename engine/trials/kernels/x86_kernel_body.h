// The vector kernels, written once for every x86 width. Not a header of its own: each kernel
// file includes it inside its namespace, between KESTAVEL_TARGET_BEGIN and _END, after
// defining `Lanes`, which supplies the width and the few operations that differ:
//
//   kWidth                    words in a vector: 8 (AVX2) or 16 (AVX-512)
//   Words, HalfWords, Reals   kWidth words; kWidth / 2 words; kWidth / 2 doubles
//   Load, Store, Splat        unaligned vector of words from and to memory; one word everywhere
//   TakeBits(mask, a, b)      the bits of a where mask has ones, of b elsewhere
//   XorWhereOdd(v, test, m)   v ^ m in the lanes where test is odd
//   ShiftRightOne, Xor        on words
//   Temper                    the twister's tempering, lane by lane
//   Transpose(rows)           kWidth rows of kWidth words become columns
//   GatherWords(base, index)  base[index[l]] in lane l
//   LaneIndexTimes(stride)    l * stride in lane l
//   MaxWords                  unsigned maximum
//   Low, High                 the lower and upper half of the words
//   Initiative(r, speed)      (r * kFactorScale + kFactorOffset) * speed, exactly as the plain loop
//   Zero, SplatReal, MaxReal  on doubles
//   GreaterMask(a, b)         bit l set where a > b (ordered: never for NaN)
//
// Its exactness rests on the same argument as the portable kernel's.

constexpr int kWidth = Lanes::kWidth;
constexpr int kHalf = kWidth / 2;
// One block: kWidth stretches of kWidth consecutive trials, one stretch per lane.
constexpr int kTrialsPerBlock = kWidth * kWidth;
static_assert(kTrialsPerBlock <= kMostTrialsPerBlock, "the twister sequence keeps too few words for this block");

using Words = Lanes::Words;
using Reals = Lanes::Reals;

inline void Extend(uint32_t* words, size_t from, size_t to) {
    const Words upper = Lanes::Splat(kTwisterUpperBit);
    const Words matrix = Lanes::Splat(kTwisterMatrix);
    for (size_t i = from; i < to; i += kWidth) {
        const Words current = Lanes::Load(words + i - kTwisterWords);
        const Words next = Lanes::Load(words + i - kTwisterWords + 1);
        const Words shifted = Lanes::Load(words + i - kTwisterWords + kTwisterShift);
        const Words y = Lanes::TakeBits(upper, current, next);
        Lanes::Store(words + i, Lanes::XorWhereOdd(Lanes::Xor(shifted, Lanes::ShiftRightOne(y)), next, matrix));
    }
}

struct Constants {
    Reals zero;
    Reals enemySpeed;
    Reals allySpeed[kAllyCount];
};

// kWidth trials at once, one per lane; `output(i)` gives the tempered outputs of the trials'
// i-th draws. Adds their wins.
template <typename Output>
inline void Judge(const Output& output, const TrialShape& shape, const Constants& k, WinCounts& wins) {
    // See the portable kernel: the largest output gives the best enemy, clamped at 0.
    const Words first = output(kAllyCount);
    Words largest = first;
    for (int j = 1; j < shape.enemyCount; ++j) largest = Lanes::MaxWords(largest, output(kAllyCount + j));

    Reals allyLow = k.zero;
    Reals allyHigh = k.zero;
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        const Words r = output(shape.allyOffset[a]);
        allyLow = Lanes::MaxReal(allyLow, Lanes::Initiative(Lanes::Low(r), k.allySpeed[a]));
        allyHigh = Lanes::MaxReal(allyHigh, Lanes::Initiative(Lanes::High(r), k.allySpeed[a]));
    }
    const Reals enemyLow = Lanes::MaxReal(k.zero, Lanes::Initiative(Lanes::Low(largest), k.enemySpeed));
    const Reals enemyHigh = Lanes::MaxReal(k.zero, Lanes::Initiative(Lanes::High(largest), k.enemySpeed));
    const unsigned allMask = Lanes::GreaterMask(allyLow, enemyLow) | (Lanes::GreaterMask(allyHigh, enemyHigh) << kHalf);
    const unsigned firstMask =
        Lanes::GreaterMask(allyLow, Lanes::Initiative(Lanes::Low(first), k.enemySpeed)) |
        (Lanes::GreaterMask(allyHigh, Lanes::Initiative(Lanes::High(first), k.enemySpeed)) << kHalf);
    wins.all += std::popcount(allMask);
    wins.first += std::popcount(firstMask);
}

// kWidth consecutive trials, the lanes reading their words by a gather.
struct GatheredOutput {
    const uint32_t* words;
    Words index;
    Words operator()(int i) const { return Lanes::Temper(Lanes::GatherWords(words + i, index)); }
};

// A block: each lane's kWidth * stride words are contiguous, so kWidth rows of kWidth words at
// a time are turned into columns, and each trial then reads its draws as whole vectors.
struct ColumnOutput {
    const uint32_t* columns;  // word w of every lane's stretch at columns[kWidth * w]
    int trial;
    int stride;
    Words operator()(int i) const { return Lanes::Load(columns + kWidth * (trial * stride + i)); }
};

inline WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    Constants k;
    k.zero = Lanes::Zero();
    k.enemySpeed = Lanes::SplatReal(shape.enemySpeed);
    for (int a = 0; a < kAllyCount; ++a) {
        k.allySpeed[a] = Lanes::SplatReal(a < shape.activeAllyCount ? shape.allySpeed[a] : 0.0);
    }

    WinCounts wins;
    const int stretch = kWidth * shape.stride;  // words of one lane's kWidth trials
    alignas(64) uint32_t columns[kWidth * kWidth * kMaxTrialStride];
    for (; trials >= kTrialsPerBlock; trials -= kTrialsPerBlock, words += kWidth * stretch) {
        for (int tile = 0; tile < shape.stride; ++tile) {
            Words rows[kWidth];
            for (int l = 0; l < kWidth; ++l) rows[l] = Lanes::Temper(Lanes::Load(words + l * stretch + kWidth * tile));
            Lanes::Transpose(rows);
            for (int s = 0; s < kWidth; ++s) Lanes::Store(columns + kWidth * (kWidth * tile + s), rows[s]);
        }
        for (int trial = 0; trial < kWidth; ++trial) Judge(ColumnOutput{columns, trial, shape.stride}, shape, k, wins);
    }
    const Words index = Lanes::LaneIndexTimes(shape.stride);
    for (; trials > 0; trials -= kWidth, words += kWidth * shape.stride) Judge(GatheredOutput{words, index}, shape, k, wins);
    return wins;
}

const TrialKernel kKernel{Extend, CountWins, kWidth, kTrialsPerBlock};
