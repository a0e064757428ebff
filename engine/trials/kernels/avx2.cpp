// The kernels for x86-64 CPUs with AVX2: eight words, or eight trials, at a time.

#include "engine/trials/kernels/x86_target.h"

KESTAVEL_KERNEL_BEGIN(avx2, "avx2")

// What the body needs of this width (see x86_kernel_body.h).
struct Lanes {
    using Words = __m256i;
    using HalfWords = __m128i;
    using Reals = __m256d;

    static Reals ToReals(HalfWords r) {
        return _mm256_cvtepi32_pd(_mm_xor_si128(r, _mm_set1_epi32(kTopBitAsInt))) + kTopBitValue;
    }
    // Column c's low half is in quads[c], its high half in quads[4 + c].
    static void PlaceQuads(const Words (&quads)[8], Words (&rows)[8]) {
        for (int c = 0; c < 4; ++c) {
            rows[c] = _mm256_permute2x128_si256(quads[c], quads[4 + c], 0x20);      // low halves
            rows[c + 4] = _mm256_permute2x128_si256(quads[c], quads[4 + c], 0x31);  // high halves
        }
    }

    static Words UnpackLow32(Words a, Words b) { return _mm256_unpacklo_epi32(a, b); }
    static Words UnpackHigh32(Words a, Words b) { return _mm256_unpackhi_epi32(a, b); }
    static Words UnpackLow64(Words a, Words b) { return _mm256_unpacklo_epi64(a, b); }
    static Words UnpackHigh64(Words a, Words b) { return _mm256_unpackhi_epi64(a, b); }

    static Words GatherWords(const uint32_t* base, Words index) {
        return _mm256_i32gather_epi32(reinterpret_cast<const int*>(base), index, 4);
    }
    static Words MaxWords(Words a, Words b) { return _mm256_max_epu32(a, b); }
    static HalfWords Low(Words v) { return _mm256_castsi256_si128(v); }
    static HalfWords High(Words v) { return _mm256_extracti128_si256(v, 1); }

    static Reals SplatReal(double v) { return _mm256_set1_pd(v); }
    static Reals MaxReal(Reals a, Reals b) { return _mm256_max_pd(a, b); }
    static unsigned GreaterMask(Reals a, Reals b) {
        return static_cast<unsigned>(_mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_GT_OQ)));
    }

    static __m256 MaxFloats(__m256 a, __m256 b) { return _mm256_max_ps(a, b); }
    static unsigned FloatGreaterMask(__m256 a, __m256 b) {
        return static_cast<unsigned>(_mm256_movemask_ps(_mm256_cmp_ps(a, b, _CMP_GT_OQ)));
    }
};

#include "engine/trials/kernels/x86_kernel_body.h"

KESTAVEL_KERNEL_END
