// The kernels for x86-64 CPUs with AVX2: eight words, or eight trials, at a time. Compiled for
// that instruction set function by function; the program calls them only after the CPU check
// in trial_path.cpp.

#include "engine/trial_kernel.h"

#if defined(__x86_64__) || defined(_M_X64)

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx2")

namespace kestavel {

namespace {

inline __m256i Temper(__m256i y) {
    y = _mm256_xor_si256(y, _mm256_srli_epi32(y, 11));
    y = _mm256_xor_si256(y, _mm256_and_si256(_mm256_slli_epi32(y, 7), _mm256_set1_epi32(static_cast<int>(kTemperMaskB))));
    y = _mm256_xor_si256(y, _mm256_and_si256(_mm256_slli_epi32(y, 15), _mm256_set1_epi32(static_cast<int>(kTemperMaskC))));
    return _mm256_xor_si256(y, _mm256_srli_epi32(y, 18));
}

// Four initiatives from four outputs. The outputs are unsigned: flipping the top bit makes
// them signed values 2^31 lower, converted exactly, and adding 2^31 back is exact too.
inline __m256d Initiative(__m128i r, __m256d speed) {
    const __m256d value = _mm256_add_pd(_mm256_cvtepi32_pd(_mm_xor_si128(r, _mm_set1_epi32(static_cast<int>(0x80000000u)))),
                                        _mm256_set1_pd(2147483648.0));
    const __m256d factor = _mm256_add_pd(_mm256_mul_pd(value, _mm256_set1_pd(kFactorScale)), _mm256_set1_pd(kFactorOffset));
    return _mm256_mul_pd(factor, speed);
}

inline __m128i Low(__m256i v) { return _mm256_castsi256_si128(v); }
inline __m128i High(__m256i v) { return _mm256_extracti128_si256(v, 1); }

inline __m256i Gather(__m256i index, const uint32_t* base) {
    return _mm256_i32gather_epi32(reinterpret_cast<const int*>(base), index, 4);
}

inline int GreaterCount(__m256d a, __m256d b) { return __builtin_popcount(static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_GT_OQ)))); }

void Extend(uint32_t* words, size_t from, size_t to) {
    const __m256i upper = _mm256_set1_epi32(static_cast<int>(kTwisterUpperBit));
    const __m256i lower = _mm256_set1_epi32(static_cast<int>(kTwisterLowerBits));
    const __m256i matrix = _mm256_set1_epi32(static_cast<int>(kTwisterMatrix));
    const __m256i one = _mm256_set1_epi32(1);
    for (size_t i = from; i < to; i += 8) {
        const __m256i current = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(words + i - kTwisterWords));
        const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(words + i - kTwisterWords + 1));
        const __m256i shifted = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(words + i - kTwisterWords + kTwisterShift));
        const __m256i y = _mm256_or_si256(_mm256_and_si256(current, upper), _mm256_and_si256(next, lower));
        const __m256i odd = _mm256_cmpeq_epi32(_mm256_and_si256(next, one), one);
        const __m256i result = _mm256_xor_si256(_mm256_xor_si256(shifted, _mm256_srli_epi32(y, 1)), _mm256_and_si256(odd, matrix));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(words + i), result);
    }
}

WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    const __m256i index = _mm256_mullo_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), _mm256_set1_epi32(shape.stride));
    const __m256d zero = _mm256_setzero_pd();
    const __m256d enemySpeed = _mm256_set1_pd(shape.enemySpeed);
    __m256d allySpeed[5];
    for (int a = 0; a < shape.activeAllyCount; ++a) allySpeed[a] = _mm256_set1_pd(shape.allySpeed[a]);

    WinCounts wins;
    for (int t = 0; t < trials; t += 8, words += 8 * shape.stride) {
        // See the portable kernel: the largest output gives the best enemy, clamped at 0.
        const __m256i first = Temper(Gather(index, words + 5));
        __m256i largest = first;
        for (int j = 1; j < shape.enemyCount; ++j) largest = _mm256_max_epu32(largest, Temper(Gather(index, words + 5 + j)));

        __m256d allyLow = zero;
        __m256d allyHigh = zero;
        for (int a = 0; a < shape.activeAllyCount; ++a) {
            const __m256i r = Temper(Gather(index, words + shape.allyOffset[a]));
            allyLow = _mm256_max_pd(allyLow, Initiative(Low(r), allySpeed[a]));
            allyHigh = _mm256_max_pd(allyHigh, Initiative(High(r), allySpeed[a]));
        }
        wins.all += GreaterCount(allyLow, _mm256_max_pd(zero, Initiative(Low(largest), enemySpeed))) +
                    GreaterCount(allyHigh, _mm256_max_pd(zero, Initiative(High(largest), enemySpeed)));
        wins.first += GreaterCount(allyLow, Initiative(Low(first), enemySpeed)) +
                      GreaterCount(allyHigh, Initiative(High(first), enemySpeed));
    }
    return wins;
}

}  // namespace

}  // namespace kestavel

#pragma GCC pop_options

namespace kestavel {

const TrialKernel* Avx2Kernel() {
    static const TrialKernel kernel{Extend, CountWins, 8, 8};
    return &kernel;
}

}  // namespace kestavel

#else

namespace kestavel {
const TrialKernel* Avx2Kernel() { return nullptr; }
}  // namespace kestavel

#endif
