// The kernels for x86-64 CPUs with AVX2: eight words, or eight trials, at a time.

#include <bit>
#include <cstddef>
#include <cstdint>

#include "engine/trials/kernels/x86_target.h"
#include "engine/trials/trial_kernel.h"

#if KESTAVEL_X86_KERNELS

#include <immintrin.h>

KESTAVEL_TARGET_BEGIN("avx2")

namespace kestavel::avx2 {

namespace {

struct Lanes {
    static constexpr int kWidth = 8;
    using Words = __m256i;
    using HalfWords = __m128i;
    using Reals = __m256d;

    static Words Load(const uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static void Store(uint32_t* p, Words v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    static Words Splat(uint32_t v) { return _mm256_set1_epi32(static_cast<int>(v)); }
    static Words Xor(Words a, Words b) { return _mm256_xor_si256(a, b); }
    static Words ShiftRightOne(Words v) { return _mm256_srli_epi32(v, 1); }
    static Words TakeBits(Words mask, Words a, Words b) {
        return _mm256_or_si256(_mm256_and_si256(mask, a), _mm256_andnot_si256(mask, b));
    }
    static Words XorWhereOdd(Words v, Words test, Words m) {
        const Words one = _mm256_set1_epi32(1);
        const Words odd = _mm256_cmpeq_epi32(_mm256_and_si256(test, one), one);
        return _mm256_xor_si256(v, _mm256_and_si256(odd, m));
    }

    static Words Temper(Words y) {
        y = _mm256_xor_si256(y, _mm256_srli_epi32(y, 11));
        y = _mm256_xor_si256(y, _mm256_and_si256(_mm256_slli_epi32(y, 7), Splat(kTemperMaskB)));
        y = _mm256_xor_si256(y, _mm256_and_si256(_mm256_slli_epi32(y, 15), Splat(kTemperMaskC)));
        return _mm256_xor_si256(y, _mm256_srli_epi32(y, 18));
    }

    // On return rows[s] holds, in lane l, what rows[l] held in lane s.
    static void Transpose(Words (&rows)[kWidth]) {
        Words pairs[8];
        for (int i = 0; i < 8; i += 2) {
            pairs[i] = _mm256_unpacklo_epi32(rows[i], rows[i + 1]);
            pairs[i + 1] = _mm256_unpackhi_epi32(rows[i], rows[i + 1]);
        }
        // quads[4g + c], 128-bit lane q: column 4q + c of rows 4g to 4g + 3
        Words quads[8];
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

    static Words GatherWords(const uint32_t* base, Words index) {
        return _mm256_i32gather_epi32(reinterpret_cast<const int*>(base), index, 4);
    }
    static Words LaneIndexTimes(int stride) {
        return _mm256_mullo_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), _mm256_set1_epi32(stride));
    }
    static Words MaxWords(Words a, Words b) { return _mm256_max_epu32(a, b); }
    static HalfWords Low(Words v) { return _mm256_castsi256_si128(v); }
    static HalfWords High(Words v) { return _mm256_extracti128_si256(v, 1); }

    // AVX2 converts only signed words: flipping the top bit makes them values 2^31 lower,
    // converted exactly, and adding 2^31 back is exact too.
    static Reals Initiative(HalfWords r, Reals speed) {
        const Reals value = _mm256_add_pd(_mm256_cvtepi32_pd(_mm_xor_si128(r, _mm_set1_epi32(static_cast<int>(0x80000000u)))),
                                          _mm256_set1_pd(2147483648.0));
        const Reals factor = _mm256_add_pd(_mm256_mul_pd(value, _mm256_set1_pd(kFactorScale)), _mm256_set1_pd(kFactorOffset));
        return _mm256_mul_pd(factor, speed);
    }
    static Reals Zero() { return _mm256_setzero_pd(); }
    static Reals SplatReal(double v) { return _mm256_set1_pd(v); }
    static Reals MaxReal(Reals a, Reals b) { return _mm256_max_pd(a, b); }
    static unsigned GreaterMask(Reals a, Reals b) {
        return static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_GT_OQ)));
    }
};

#include "engine/trials/kernels/x86_kernel_body.h"

}  // namespace

const TrialKernel* Kernel() { return &kKernel; }

}  // namespace kestavel::avx2

KESTAVEL_TARGET_END

const kestavel::TrialKernel* kestavel::Avx2Kernel() { return avx2::Kernel(); }

#else

const kestavel::TrialKernel* kestavel::Avx2Kernel() { return nullptr; }

#endif
