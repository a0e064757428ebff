// The kernels for x86-64 CPUs with AVX-512F: sixteen words, or sixteen trials, at a time.
// Compiled for that instruction set function by function; the program calls them only after
// the CPU check in trial_path.cpp.

#include "engine/trial_kernel.h"

#if defined(__x86_64__) || defined(_M_X64)

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx512f")
// GCC 12's AVX-512 intrinsics start some results from a deliberately undefined register.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"

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

inline __m512i Gather(__m512i index, const uint32_t* base) { return _mm512_i32gather_epi32(index, base, 4); }

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

WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    const __m512i index = _mm512_mullo_epi32(_mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15),
                                             _mm512_set1_epi32(shape.stride));
    const __m512d zero = _mm512_setzero_pd();
    const __m512d enemySpeed = _mm512_set1_pd(shape.enemySpeed);
    __m512d allySpeed[5];
    for (int a = 0; a < shape.activeAllyCount; ++a) allySpeed[a] = _mm512_set1_pd(shape.allySpeed[a]);

    WinCounts wins;
    for (int t = 0; t < trials; t += 16, words += 16 * shape.stride) {
        // See the portable kernel: the largest output gives the best enemy, clamped at 0.
        const __m512i first = Temper(Gather(index, words + 5));
        __m512i largest = first;
        for (int j = 1; j < shape.enemyCount; ++j) largest = _mm512_max_epu32(largest, Temper(Gather(index, words + 5 + j)));

        __m512d allyLow = zero;
        __m512d allyHigh = zero;
        for (int a = 0; a < shape.activeAllyCount; ++a) {
            const __m512i r = Temper(Gather(index, words + shape.allyOffset[a]));
            allyLow = _mm512_max_pd(allyLow, Initiative(Low(r), allySpeed[a]));
            allyHigh = _mm512_max_pd(allyHigh, Initiative(High(r), allySpeed[a]));
        }
        const __m512d enemyLow = _mm512_max_pd(zero, Initiative(Low(largest), enemySpeed));
        const __m512d enemyHigh = _mm512_max_pd(zero, Initiative(High(largest), enemySpeed));
        const unsigned allMask = _mm512_cmp_pd_mask(allyLow, enemyLow, _CMP_GT_OQ) |
                                 (static_cast<unsigned>(_mm512_cmp_pd_mask(allyHigh, enemyHigh, _CMP_GT_OQ)) << 8);
        const unsigned firstMask =
            _mm512_cmp_pd_mask(allyLow, Initiative(Low(first), enemySpeed), _CMP_GT_OQ) |
            (static_cast<unsigned>(_mm512_cmp_pd_mask(allyHigh, Initiative(High(first), enemySpeed), _CMP_GT_OQ)) << 8);
        wins.all += __builtin_popcount(allMask);
        wins.first += __builtin_popcount(firstMask);
    }
    return wins;
}

}  // namespace

}  // namespace kestavel

#pragma GCC diagnostic pop
#pragma GCC pop_options

namespace kestavel {

const TrialKernel* Avx512Kernel() {
    static const TrialKernel kernel{Extend, CountWins, 16};
    return &kernel;
}

}  // namespace kestavel

#else

namespace kestavel {
const TrialKernel* Avx512Kernel() { return nullptr; }
}  // namespace kestavel

#endif
