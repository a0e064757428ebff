// The kernels for x86-64 CPUs with AVX-512F: sixteen words, or sixteen trials, at a time.
// Compiled for that instruction set function by function; the program calls them only after
// the CPU check in trial_path.cpp.

#include "engine/trial_kernel.h"

#if defined(__x86_64__) || defined(_M_X64)

#include <immintrin.h>

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f")
// GCC 12's AVX-512 intrinsics start some results from a deliberately undefined register.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

namespace kestavel {

namespace {

inline __m512i Temper(__m512i y) {
    // 0x78: a ^ (b & c)
    y = _mm512_xor_si512(y, _mm512_srli_epi32(y, 11));
    y = _mm512_ternarylogic_epi32(y, _mm512_slli_epi32(y, 7), _mm512_set1_epi32(static_cast<int>(kTemperMaskB)), 0x78);
    y = _mm512_ternarylogic_epi32(y, _mm512_slli_epi32(y, 15), _mm512_set1_epi32(static_cast<int>(kTemperMaskC)), 0x78);
    return _mm512_xor_si512(y, _mm512_srli_epi32(y, 18));
}

// Eight initiatives from eight outputs.
inline __m512d Initiative(__m256i r, __m512d speed) {
    const __m512d factor = _mm512_add_pd(_mm512_mul_pd(_mm512_cvtepu32_pd(r), _mm512_set1_pd(kFactorScale)),
                                         _mm512_set1_pd(kFactorOffset));
    return _mm512_mul_pd(factor, speed);
}

inline __m256i Low(__m512i v) { return _mm512_castsi512_si256(v); }
inline __m256i High(__m512i v) { return _mm512_extracti64x4_epi64(v, 1); }

void Extend(uint32_t* words, size_t from, size_t to) {
    const __m512i upper = _mm512_set1_epi32(static_cast<int>(kTwisterUpperBit));
    const __m512i matrix = _mm512_set1_epi32(static_cast<int>(kTwisterMatrix));
    const __m512i one = _mm512_set1_epi32(1);
    for (size_t i = from; i < to; i += 16) {
        const __m512i current = _mm512_loadu_si512(words + i - kTwisterWords);
        const __m512i next = _mm512_loadu_si512(words + i - kTwisterWords + 1);
        const __m512i shifted = _mm512_loadu_si512(words + i - kTwisterWords + kTwisterShift);
        // 0xCA: upper ? current : next, bit by bit
        const __m512i y = _mm512_ternarylogic_epi32(upper, current, next, 0xCA);
        __m512i result = _mm512_xor_si512(shifted, _mm512_srli_epi32(y, 1));
        result = _mm512_mask_xor_epi32(result, _mm512_test_epi32_mask(next, one), result, matrix);
        _mm512_storeu_si512(words + i, result);
    }
}

// Rows of sixteen words become columns: on return rows[s] holds, in lane l, what rows[l]
// held in lane s.
inline void Transpose(__m512i (&rows)[16]) {
    __m512i pairs[16];
    for (int i = 0; i < 16; i += 2) {
        pairs[i] = _mm512_unpacklo_epi32(rows[i], rows[i + 1]);
        pairs[i + 1] = _mm512_unpackhi_epi32(rows[i], rows[i + 1]);
    }
    // quads[4g + c], 128-bit lane q: column 4q + c of rows 4g to 4g + 3
    __m512i quads[16];
    for (int g = 0; g < 16; g += 4) {
        quads[g] = _mm512_unpacklo_epi64(pairs[g], pairs[g + 2]);
        quads[g + 1] = _mm512_unpackhi_epi64(pairs[g], pairs[g + 2]);
        quads[g + 2] = _mm512_unpacklo_epi64(pairs[g + 1], pairs[g + 3]);
        quads[g + 3] = _mm512_unpackhi_epi64(pairs[g + 1], pairs[g + 3]);
    }
    for (int c = 0; c < 4; ++c) {
        // 0x88 takes 128-bit lanes 0 and 2 of each source, 0xDD lanes 1 and 3
        const __m512i upperEven = _mm512_shuffle_i32x4(quads[c], quads[4 + c], 0x88);     // columns c, c + 8
        const __m512i upperOdd = _mm512_shuffle_i32x4(quads[c], quads[4 + c], 0xDD);      // c + 4, c + 12
        const __m512i lowerEven = _mm512_shuffle_i32x4(quads[8 + c], quads[12 + c], 0x88);
        const __m512i lowerOdd = _mm512_shuffle_i32x4(quads[8 + c], quads[12 + c], 0xDD);
        rows[c] = _mm512_shuffle_i32x4(upperEven, lowerEven, 0x88);
        rows[c + 8] = _mm512_shuffle_i32x4(upperEven, lowerEven, 0xDD);
        rows[c + 4] = _mm512_shuffle_i32x4(upperOdd, lowerOdd, 0x88);
        rows[c + 12] = _mm512_shuffle_i32x4(upperOdd, lowerOdd, 0xDD);
    }
}

struct Constants {
    __m512d zero;
    __m512d enemySpeed;
    __m512d allySpeed[5];
};

// Sixteen trials at once, one per lane; `output(i)` gives the tempered outputs of the trials'
// i-th draws. Adds their wins.
template <typename Output>
inline void Judge(const Output& output, const TrialShape& shape, const Constants& k, WinCounts& wins) {
    // See the portable kernel: the largest output gives the best enemy, clamped at 0.
    const __m512i first = output(5);
    __m512i largest = first;
    for (int j = 1; j < shape.enemyCount; ++j) largest = _mm512_max_epu32(largest, output(5 + j));

    __m512d allyLow = k.zero;
    __m512d allyHigh = k.zero;
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        const __m512i r = output(shape.allyOffset[a]);
        allyLow = _mm512_max_pd(allyLow, Initiative(Low(r), k.allySpeed[a]));
        allyHigh = _mm512_max_pd(allyHigh, Initiative(High(r), k.allySpeed[a]));
    }
    const __m512d enemyLow = _mm512_max_pd(k.zero, Initiative(Low(largest), k.enemySpeed));
    const __m512d enemyHigh = _mm512_max_pd(k.zero, Initiative(High(largest), k.enemySpeed));
    const unsigned allMask = _mm512_cmp_pd_mask(allyLow, enemyLow, _CMP_GT_OQ) |
                             (static_cast<unsigned>(_mm512_cmp_pd_mask(allyHigh, enemyHigh, _CMP_GT_OQ)) << 8);
    const unsigned firstMask =
        _mm512_cmp_pd_mask(allyLow, Initiative(Low(first), k.enemySpeed), _CMP_GT_OQ) |
        (static_cast<unsigned>(_mm512_cmp_pd_mask(allyHigh, Initiative(High(first), k.enemySpeed), _CMP_GT_OQ)) << 8);
    wins.all += __builtin_popcount(allMask);
    wins.first += __builtin_popcount(firstMask);
}

// Sixteen consecutive trials, the lanes reading their words by a gather.
struct GatheredOutput {
    const uint32_t* words;
    __m512i index;
    __m512i operator()(int i) const { return Temper(_mm512_i32gather_epi32(index, words + i, 4)); }
};

// 256 consecutive trials in sixteen stretches of sixteen, one stretch per lane: each lane's
// 16 * stride words are contiguous, so sixteen rows of sixteen words at a time are turned into
// columns, and each trial then reads its draws as whole vectors.
struct ColumnOutput {
    const uint32_t* columns;  // word w of every lane's stretch at columns[16 * w]
    int trial;
    int stride;
    __m512i operator()(int i) const { return _mm512_loadu_si512(columns + 16 * (trial * stride + i)); }
};

WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    Constants k;
    k.zero = _mm512_setzero_pd();
    k.enemySpeed = _mm512_set1_pd(shape.enemySpeed);
    for (int a = 0; a < 5; ++a) k.allySpeed[a] = _mm512_set1_pd(a < shape.activeAllyCount ? shape.allySpeed[a] : 0.0);

    WinCounts wins;
    const int stretch = 16 * shape.stride;  // words of one lane's sixteen trials
    alignas(64) uint32_t columns[16 * 16 * 14];
    for (; trials >= 256; trials -= 256, words += 16 * stretch) {
        for (int tile = 0; tile < shape.stride; ++tile) {
            __m512i rows[16];
            for (int l = 0; l < 16; ++l) rows[l] = Temper(_mm512_loadu_si512(words + l * stretch + 16 * tile));
            Transpose(rows);
            for (int s = 0; s < 16; ++s) _mm512_storeu_si512(columns + 16 * (16 * tile + s), rows[s]);
        }
        for (int trial = 0; trial < 16; ++trial) Judge(ColumnOutput{columns, trial, shape.stride}, shape, k, wins);
    }
    const __m512i index = _mm512_mullo_epi32(_mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15),
                                             _mm512_set1_epi32(shape.stride));
    for (; trials > 0; trials -= 16, words += 16 * shape.stride) Judge(GatheredOutput{words, index}, shape, k, wins);
    return wins;
}

}  // namespace

}  // namespace kestavel

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC diagnostic pop
#pragma GCC pop_options
#endif

namespace kestavel {

const TrialKernel* Avx512Kernel() {
    static const TrialKernel kernel{Extend, CountWins, 16, 256};
    return &kernel;
}

}  // namespace kestavel

#else

namespace kestavel {
const TrialKernel* Avx512Kernel() { return nullptr; }
}  // namespace kestavel

#endif
