// The kernels for x86-64 CPUs with AVX-512F: sixteen words, or sixteen trials, at a time.

#include <bit>
#include <cstddef>
#include <cstdint>

#include "engine/trials/kernels/x86_target.h"
#include "engine/trials/trial_kernel.h"

#if KESTAVEL_X86_KERNELS

#include <immintrin.h>

KESTAVEL_TARGET_BEGIN("avx512f")

namespace kestavel::avx512 {

namespace {

// Truth tables of _mm512_ternarylogic_epi32 for (a, b, c).
constexpr int kAXorBAndC = 0x78;    // a ^ (b & c)
constexpr int kAThenBElseC = 0xCA;  // a ? b : c, bit by bit

struct Lanes {
    static constexpr int kWidth = 16;
    using Words = __m512i;
    using HalfWords = __m256i;
    using Reals = __m512d;

    static Words Load(const uint32_t* p) { return _mm512_loadu_si512(p); }
    static void Store(uint32_t* p, Words v) { _mm512_storeu_si512(p, v); }
    static Words Splat(uint32_t v) { return _mm512_set1_epi32(static_cast<int>(v)); }
    static Words Xor(Words a, Words b) { return _mm512_xor_si512(a, b); }
    static Words ShiftRightOne(Words v) { return _mm512_srli_epi32(v, 1); }
    static Words TakeBits(Words mask, Words a, Words b) { return _mm512_ternarylogic_epi32(mask, a, b, kAThenBElseC); }
    static Words XorWhereOdd(Words v, Words test, Words m) {
        return _mm512_mask_xor_epi32(v, _mm512_test_epi32_mask(test, _mm512_set1_epi32(1)), v, m);
    }

    static Words Temper(Words y) {
        y = _mm512_xor_si512(y, _mm512_srli_epi32(y, 11));
        y = _mm512_ternarylogic_epi32(y, _mm512_slli_epi32(y, 7), Splat(kTemperMaskB), kAXorBAndC);
        y = _mm512_ternarylogic_epi32(y, _mm512_slli_epi32(y, 15), Splat(kTemperMaskC), kAXorBAndC);
        return _mm512_xor_si512(y, _mm512_srli_epi32(y, 18));
    }

    // On return rows[s] holds, in lane l, what rows[l] held in lane s.
    static void Transpose(Words (&rows)[kWidth]) {
        Words pairs[16];
        for (int i = 0; i < 16; i += 2) {
            pairs[i] = _mm512_unpacklo_epi32(rows[i], rows[i + 1]);
            pairs[i + 1] = _mm512_unpackhi_epi32(rows[i], rows[i + 1]);
        }
        // quads[4g + c], 128-bit lane q: column 4q + c of rows 4g to 4g + 3
        Words quads[16];
        for (int g = 0; g < 16; g += 4) {
            quads[g] = _mm512_unpacklo_epi64(pairs[g], pairs[g + 2]);
            quads[g + 1] = _mm512_unpackhi_epi64(pairs[g], pairs[g + 2]);
            quads[g + 2] = _mm512_unpacklo_epi64(pairs[g + 1], pairs[g + 3]);
            quads[g + 3] = _mm512_unpackhi_epi64(pairs[g + 1], pairs[g + 3]);
        }
        for (int c = 0; c < 4; ++c) {
            // 0x88 takes 128-bit lanes 0 and 2 of each source, 0xDD lanes 1 and 3
            const Words upperEven = _mm512_shuffle_i32x4(quads[c], quads[4 + c], 0x88);  // columns c, c + 8
            const Words upperOdd = _mm512_shuffle_i32x4(quads[c], quads[4 + c], 0xDD);   // c + 4, c + 12
            const Words lowerEven = _mm512_shuffle_i32x4(quads[8 + c], quads[12 + c], 0x88);
            const Words lowerOdd = _mm512_shuffle_i32x4(quads[8 + c], quads[12 + c], 0xDD);
            rows[c] = _mm512_shuffle_i32x4(upperEven, lowerEven, 0x88);
            rows[c + 8] = _mm512_shuffle_i32x4(upperEven, lowerEven, 0xDD);
            rows[c + 4] = _mm512_shuffle_i32x4(upperOdd, lowerOdd, 0x88);
            rows[c + 12] = _mm512_shuffle_i32x4(upperOdd, lowerOdd, 0xDD);
        }
    }

    static Words GatherWords(const uint32_t* base, Words index) { return _mm512_i32gather_epi32(index, base, 4); }
    static Words LaneIndexTimes(int stride) {
        return _mm512_mullo_epi32(_mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15),
                                  _mm512_set1_epi32(stride));
    }
    static Words MaxWords(Words a, Words b) { return _mm512_max_epu32(a, b); }
    static HalfWords Low(Words v) { return _mm512_castsi512_si256(v); }
    static HalfWords High(Words v) { return _mm512_extracti64x4_epi64(v, 1); }

    static Reals Initiative(HalfWords r, Reals speed) {
        const Reals factor = _mm512_add_pd(_mm512_mul_pd(_mm512_cvtepu32_pd(r), _mm512_set1_pd(kFactorScale)),
                                           _mm512_set1_pd(kFactorOffset));
        return _mm512_mul_pd(factor, speed);
    }
    static Reals Zero() { return _mm512_setzero_pd(); }
    static Reals SplatReal(double v) { return _mm512_set1_pd(v); }
    static Reals MaxReal(Reals a, Reals b) { return _mm512_max_pd(a, b); }
    static unsigned GreaterMask(Reals a, Reals b) { return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ); }
};

#include "engine/trials/kernels/x86_kernel_body.h"

}  // namespace

const TrialKernel* Kernel() { return &kKernel; }

}  // namespace kestavel::avx512

KESTAVEL_TARGET_END

const kestavel::TrialKernel* kestavel::Avx512Kernel() { return avx512::Kernel(); }

#else

const kestavel::TrialKernel* kestavel::Avx512Kernel() { return nullptr; }

#endif
