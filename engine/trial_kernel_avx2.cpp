// The kernels for x86-64 CPUs with AVX2: eight words, or eight trials, at a time. Compiled for
// that instruction set function by function; the program calls them only after the CPU check
// in trial_path.cpp.

#include "engine/trial_kernel.h"

#if defined(__x86_64__) || defined(_M_X64)

#include <immintrin.h>

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

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

// Rows of eight words become columns: on return rows[s] holds, in lane l, what rows[l] held
// in lane s.
inline void Transpose(__m256i (&rows)[8]) {
    __m256i pairs[8];
    for (int i = 0; i < 8; i += 2) {
        pairs[i] = _mm256_unpacklo_epi32(rows[i], rows[i + 1]);
        pairs[i + 1] = _mm256_unpackhi_epi32(rows[i], rows[i + 1]);
    }
    // quads[4g + c], 128-bit lane q: column 4q + c of rows 4g to 4g + 3
    __m256i quads[8];
    for (int g = 0; g < 8; g += 4) {
        quads[g] = _mm256_unpacklo_epi64(pairs[g], pairs[g + 2]);
        quads[g + 1] = _mm256_unpackhi_epi64(pairs[g], pairs[g + 2]);
        quads[g + 2] = _mm256_unpacklo_epi64(pairs[g + 1], pairs[g + 3]);
        quads[g + 3] = _mm256_unpackhi_epi64(pairs[g + 1], pairs[g + 3]);
    }
    for (int c = 0; c < 4; ++c) {
        rows[c] = _mm256_permute2x128_si256(quads[c], quads[4 + c], 0x20);      // low halves
        rows[c + 4] = _mm256_permute2x128_si256(quads[c], quads[4 + c], 0x31);  // high halves
    }
}

struct Constants {
    __m256d zero;
    __m256d enemySpeed;
    __m256d allySpeed[5];
};

// Eight trials at once, one per lane; `output(i)` gives the tempered outputs of the trials'
// i-th draws. Adds their wins.
template <typename Output>
inline void Judge(const Output& output, const TrialShape& shape, const Constants& k, WinCounts& wins) {
    // See the portable kernel: the largest output gives the best enemy, clamped at 0.
    const __m256i first = output(5);
    __m256i largest = first;
    for (int j = 1; j < shape.enemyCount; ++j) largest = _mm256_max_epu32(largest, output(5 + j));

    __m256d allyLow = k.zero;
    __m256d allyHigh = k.zero;
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        const __m256i r = output(shape.allyOffset[a]);
        allyLow = _mm256_max_pd(allyLow, Initiative(Low(r), k.allySpeed[a]));
        allyHigh = _mm256_max_pd(allyHigh, Initiative(High(r), k.allySpeed[a]));
    }
    wins.all += GreaterCount(allyLow, _mm256_max_pd(k.zero, Initiative(Low(largest), k.enemySpeed))) +
                GreaterCount(allyHigh, _mm256_max_pd(k.zero, Initiative(High(largest), k.enemySpeed)));
    wins.first += GreaterCount(allyLow, Initiative(Low(first), k.enemySpeed)) +
                  GreaterCount(allyHigh, Initiative(High(first), k.enemySpeed));
}

// Eight consecutive trials, the lanes reading their words by a gather.
struct GatheredOutput {
    const uint32_t* words;
    __m256i index;
    __m256i operator()(int i) const { return Temper(Gather(index, words + i)); }
};

// 64 consecutive trials in eight stretches of eight, one stretch per lane: each lane's
// 8 * stride words are contiguous, so eight rows of eight words at a time are turned into
// columns, and each trial then reads its draws as whole vectors.
struct ColumnOutput {
    const uint32_t* columns;  // word w of every lane's stretch at columns[8 * w]
    int trial;
    int stride;
    __m256i operator()(int i) const {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(columns + 8 * (trial * stride + i)));
    }
};

WinCounts CountWins(const uint32_t* words, int trials, const TrialShape& shape) {
    Constants k;
    k.zero = _mm256_setzero_pd();
    k.enemySpeed = _mm256_set1_pd(shape.enemySpeed);
    for (int a = 0; a < 5; ++a) k.allySpeed[a] = _mm256_set1_pd(a < shape.activeAllyCount ? shape.allySpeed[a] : 0.0);

    WinCounts wins;
    const int stretch = 8 * shape.stride;  // words of one lane's eight trials
    alignas(32) uint32_t columns[8 * 8 * 14];
    for (; trials >= 64; trials -= 64, words += 8 * stretch) {
        for (int tile = 0; tile < shape.stride; ++tile) {
            __m256i rows[8];
            for (int l = 0; l < 8; ++l) {
                rows[l] = Temper(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(words + l * stretch + 8 * tile)));
            }
            Transpose(rows);
            for (int s = 0; s < 8; ++s) _mm256_storeu_si256(reinterpret_cast<__m256i*>(columns + 8 * (8 * tile + s)), rows[s]);
        }
        for (int trial = 0; trial < 8; ++trial) Judge(ColumnOutput{columns, trial, shape.stride}, shape, k, wins);
    }
    const __m256i index = _mm256_mullo_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), _mm256_set1_epi32(shape.stride));
    for (; trials > 0; trials -= 8, words += 8 * shape.stride) Judge(GatheredOutput{words, index}, shape, k, wins);
    return wins;
}

}  // namespace

}  // namespace kestavel

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

namespace kestavel {

const TrialKernel* Avx2Kernel() {
    static const TrialKernel kernel{Extend, CountWins, 8, 64};
    return &kernel;
}

}  // namespace kestavel

#else

namespace kestavel {
const TrialKernel* Avx2Kernel() { return nullptr; }
}  // namespace kestavel

#endif
