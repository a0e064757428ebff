// The vector kernels, written once for every x86 width and WebAssembly's simd128 (whose kernel
// file opens its own namespace: simd128.cpp). Not a header of its own: each x86 kernel file
// includes it between KESTAVEL_KERNEL_BEGIN(name, isa) and KESTAVEL_KERNEL_END (see
// x86_target.h), which open and close the width's namespace and switch its instruction set on
// and off, after defining `Lanes`, which supplies the width and the few operations that differ;
// it defines that namespace's Kernel(). `Lanes` has:
//
//   Words, HalfWords, Reals     a vector of words, half of one, and as many doubles as half
//   LoadRows(p, stride, rows)   the first step of a transpose: kWidth rows of kWidth words, row
//                               l at p + l * stride, in the order the width's PlaceQuads needs
//   UnpackLow32, UnpackHigh32, UnpackLow64, UnpackHigh64
//                               interleave two vectors within each 128-bit lane
//   PlaceQuads(quads, rows)     the last step of a transpose: see Transpose below
//   GatherWords(base, index)    base[index[l]] in lane l
//   MaxWords                    unsigned maximum
//   Low, High                   the lower and upper half of the words
//   ToReals(r)                  the half's words as doubles, exactly
//   SplatReal, MaxReal          on doubles
//   GreaterMask(a, b)           bit l set where a > b (ordered: never for NaN)
//   MaxFloats                   the same on as many floats as words
//   Mask, FloatGreater(a, b)    lane l marked where float a > b (ordered: never for NaN)
//   Every(mask)                 whether every lane is marked
//   Count, CountWhere(c, mask)  a count of marked lanes, and c plus those of `mask`: the lanes'
//                               own counts (Words) or one number (int64_t)
//
// The rest is written with the compiler's vector operators, which give the same instructions
// for every width.
//
// Its exactness rests on the same argument as the portable kernel's, and for the single-precision
// filter on the bound argued at QuickConstants.

namespace {

#include "engine/trials/kernels/vector_kernel_words.h"

struct Constants {
    Reals zero;
    Reals enemySpeed;
    Reals allySpeed[kAllyCount];
};

// The trials' answers, bit l for lane l.
struct Verdicts {
    unsigned all;
    unsigned first;
};

// kWidth trials at once, one per lane, in double exactly as the plain loop computes them.
template <int kEnemies, typename Output>
inline Verdicts JudgeExactly(const Output& output, const TrialShape& shape, const Constants& k) {
    // See the portable kernel: the largest output gives the best enemy, clamped at 0.
    const Words first = output.Tempered(kAllyCount);
    Words largest = first;
    for (int j = 1; j < kEnemies; ++j) largest = Lanes::MaxWords(largest, output.Tempered(kAllyCount + j));
    Reals allyLow = k.zero;
    Reals allyHigh = k.zero;
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        const Words r = output.Tempered(shape.allyOffset[a]);
        allyLow = Lanes::MaxReal(allyLow, Initiative(Lanes::Low(r), k.allySpeed[a]));
        allyHigh = Lanes::MaxReal(allyHigh, Initiative(Lanes::High(r), k.allySpeed[a]));
    }
    const Reals enemyLow = Lanes::MaxReal(k.zero, Initiative(Lanes::Low(largest), k.enemySpeed));
    const Reals enemyHigh = Lanes::MaxReal(k.zero, Initiative(Lanes::High(largest), k.enemySpeed));
    Verdicts v;
    v.all = Lanes::GreaterMask(allyLow, enemyLow) | (Lanes::GreaterMask(allyHigh, enemyHigh) << kHalf);
    v.first = Lanes::GreaterMask(allyLow, Initiative(Lanes::Low(first), k.enemySpeed)) |
              (Lanes::GreaterMask(allyHigh, Initiative(Lanes::High(first), k.enemySpeed)) << kHalf);
    return v;
}

#include "engine/trials/kernels/vector_quick_filter.h"

// The filter's best ally for kWidth trials at once, one per lane (see Judge for `output`). 0 when
// no ally is listed.
template <typename Output>
inline Floats QuickAllyBest(const Output& output, const TrialShape& shape, const QuickConstants& q) {
    Floats ally = Floats{};
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        ally = Lanes::MaxFloats(ally, QuickInitiative(output.ForFilter(shape.allyOffset[a]), q.allyScale[a], q.allyOffset[a]));
    }
    return ally;
}

// The wins the filter decides, counted as the width counts best (lane by lane, or a mask's bits
// at once) and added up at the end of a call; the trials judged exactly count theirs at once.
struct Tally {
    Lanes::Count all{};
    Lanes::Count first{};
    WinCounts exact;
};

// kWidth trials at once, one per lane, whose best ally the filter has found to be `ally` (when
// the filter is usable). Adds their wins. `output.Tempered(i)` gives the tempered outputs of the
// trials' i-th draws, `output.ForFilter(i)` the same short of the tempering's last step, which
// is what the filter reads. The enemies are counted at compile time, so that the loop over them
// leaves no counting of its own in the code.
template <int kEnemies, typename Output>
inline void Judge(const Output& output, Floats ally, const TrialShape& shape, const Constants& k, const QuickConstants& q,
                  Tally& tally) {
    if (q.usable) {
        const Words first = output.ForFilter(kAllyCount);
        Words largest = first;
        for (int j = 1; j < kEnemies; ++j) largest = Lanes::MaxWords(largest, output.ForFilter(kAllyCount + j));
        const Floats best = QuickInitiative(largest, q.enemyScale, q.enemyOffset);
        const Floats firstEnemy = QuickInitiative(first, q.enemyScale, q.enemyOffset);
        const Floats allyRaised = ally * q.margin;
        const Lanes::Mask winsAll = Lanes::FloatGreater(ally, best * q.margin);
        const Lanes::Mask winsFirst = Lanes::FloatGreater(ally, firstEnemy * q.margin);
        const Lanes::Mask decided = (winsAll | Lanes::FloatGreater(best, allyRaised)) &
                                    (winsFirst | Lanes::FloatGreater(firstEnemy, allyRaised));
        if (Lanes::Every(decided)) {
            tally.all = Lanes::CountWhere(tally.all, winsAll);
            tally.first = Lanes::CountWhere(tally.first, winsFirst);
            return;
        }
    }
    const Verdicts v = JudgeExactly<kEnemies>(output, shape, k);
    tally.exact.all += std::popcount(v.all);
    tally.exact.first += std::popcount(v.first);
}

inline int64_t Sum(int64_t count) { return count; }
inline int64_t Sum(Words lanes) {
    uint32_t counts[kWidth];
    Store(counts, lanes);
    int64_t sum = 0;
    for (uint32_t count : counts) sum += count;
    return sum;
}

inline WinCounts Total(const Tally& tally) {
    return WinCounts{tally.exact.all + Sum(tally.all), tally.exact.first + Sum(tally.first)};
}

// kWidth consecutive trials, the lanes reading their words by a gather.
struct GatheredOutput {
    const uint32_t* words;
    Words index;
    Words Tempered(int i) const { return TemperLast(ForFilter(i)); }
    Words ForFilter(int i) const { return TemperAllButLast(Lanes::GatherWords(words + i, index)); }
};

// One trial of every lane's stretch in a block, its draws turned into columns and tempered but
// for the last step (see CountWinsOf): the i-th at columns[kWidth * i].
struct ColumnOutput {
    const uint32_t* columns;
    Words Tempered(int i) const { return TemperLast(ForFilter(i)); }
    Words ForFilter(int i) const { return Load(columns + kWidth * i); }
};

template <int kEnemies>
inline WinCounts CountWinsOf(const uint32_t* words, int trials, const TrialShape& shape) {
    constexpr int kStride = kAllyCount + kEnemies;
    Constants k;
    k.zero = Lanes::SplatReal(0.0);
    k.enemySpeed = Lanes::SplatReal(shape.enemySpeed);
    for (int a = 0; a < kAllyCount; ++a) {
        k.allySpeed[a] = Lanes::SplatReal(a < shape.activeAllyCount ? shape.allySpeed[a] : 0.0);
    }

    const QuickConstants q = QuickConstantsFor(shape);

    Tally tally;
    // A block: each lane's kWidth trials are kStride * kWidth contiguous words, so kWidth rows of
    // kWidth words at a time are turned into columns, and each trial then reads its draws as
    // whole vectors.
    constexpr int kStretch = kWidth * kStride;  // words of one lane's kWidth trials
    alignas(64) uint32_t columns[kWidth * kStretch];
    for (; trials >= kTrialsPerBlock; trials -= kTrialsPerBlock, words += kWidth * kStretch) {
        // The tiles unrolled whole: kept a loop, they had V8 make the tempering's constants again
        // on every pass.
#pragma GCC unroll 16
        for (int tile = 0; tile < kStride; ++tile) {
            Words rows[kWidth];
            Lanes::LoadRows(words + kWidth * tile, kStretch, rows);
            for (Words& row : rows) row = TemperAllButLast(row);
            Transpose(rows);
            for (int s = 0; s < kWidth; ++s) Store(columns + kWidth * (kWidth * tile + s), rows[s]);
        }
        // The allies first, trial by trial within each ally, so that their loop is paid once a
        // block; then the enemies and the verdicts, trial by trial.
        Floats ally[kWidth];
        for (Floats& best : ally) best = Floats{};
        if (q.usable) {
            for (int a = 0; a < shape.activeAllyCount; ++a) {
                const uint32_t* column = columns + kWidth * shape.allyOffset[a];
                for (int trial = 0; trial < kWidth; ++trial) {
                    ally[trial] = Lanes::MaxFloats(
                        ally[trial], QuickInitiative(Load(column + kWidth * kStride * trial), q.allyScale[a], q.allyOffset[a]));
                }
            }
        }
        for (int trial = 0; trial < kWidth; ++trial) {
            Judge<kEnemies>(ColumnOutput{columns + kWidth * kStride * trial}, ally[trial], shape, k, q, tally);
        }
    }
    alignas(64) uint32_t laneStart[kWidth];
    for (int l = 0; l < kWidth; ++l) laneStart[l] = static_cast<uint32_t>(l * kStride);
    const Words index = Load(laneStart);
    for (; trials > 0; trials -= kWidth, words += kWidth * kStride) {
        const GatheredOutput output{words, index};
        Judge<kEnemies>(output, q.usable ? QuickAllyBest(output, shape, q) : Floats{}, shape, k, q, tally);
    }
    return Total(tally);
}

// One CountWinsOf per enemy count, chosen once a call.
template <int... kEnemies>
constexpr auto CountWinsByEnemies(std::integer_sequence<int, kEnemies...>) {
    return std::array<WinCounts (*)(const uint32_t*, int, const TrialShape&), sizeof...(kEnemies)>{
        CountWinsOf<kEnemies + 1>...};
}

inline WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    static constexpr auto kByEnemies = CountWinsByEnemies(std::make_integer_sequence<int, kMaxEnemyCount>{});
    return kByEnemies[shape.enemyCount - 1](words, trials, shape);
}

// The twister alone, judging nothing: what a run cannot go below at this width.
inline uint32_t FoldTempered(const uint32_t* words, size_t count) {
    Words folded = Splat(0);
    for (size_t i = 0; i < count; i += kWidth) folded ^= Temper(Load(words + i));
    uint32_t lanes[kWidth];
    Store(lanes, folded);
    uint32_t result = 0;
    for (uint32_t lane : lanes) result ^= lane;
    return result;
}

const TrialKernel kKernel{Extend, CountWins, FoldTempered, kWidth, kTrialsPerBlock};

}  // namespace

const TrialKernel* Kernel() { return &kKernel; }
