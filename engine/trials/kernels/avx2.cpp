// The kernels for x86-64 CPUs with AVX2: eight words, or eight trials, at a time.

#include "engine/trials/kernels/x86_target.h"

KESTAVEL_KERNEL_BEGIN(avx2, "avx2")

// What the body needs of this width (see vector_kernel_body.h).
struct Lanes {
    using Words = __m256i;
    using HalfWords = __m128i;
    using Reals = __m256d;

    static Reals ToReals(HalfWords r) {
        return _mm256_cvtepi32_pd(_mm_xor_si128(r, _mm_set1_epi32(kTopBitAsInt))) + kTopBitValue;
    }
    // Row l's low and high 128-bit halves go to rows[l] and rows[4 + l], each beside the same
    // half of row 4 + l (l < 4), so that the interleaving within 128-bit lanes leaves every
    // column whole. A broadcast load and a blend move those halves, where moving them after the
    // interleaving took a cross-lane shuffle per column: the shuffles share their ports with the
    // tempering's shifts, and were what made the transpose dear.
    static Words LoadRow(const uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static Words LoadHalfTwice(const uint32_t* p) {
        return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    }
    static void LoadRows(const uint32_t* p, size_t stride, Words (&rows)[8]) {
        for (int l = 0; l < 4; ++l) {
            const uint32_t* upper = p + l * stride;
            const uint32_t* lower = p + (l + 4) * stride;
            rows[l] = _mm256_blend_epi32(LoadRow(upper), LoadHalfTwice(lower), 0xF0);
            rows[l + 4] = _mm256_blend_epi32(LoadHalfTwice(upper + 4), LoadRow(lower), 0xF0);
        }
    }
    static void PlaceQuads(const Words (&quads)[8], Words (&rows)[8]) { std::copy(quads, quads + 8, rows); }

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
    using Count = Words;
    using Mask = __m256i;
    static Mask FloatGreater(__m256 a, __m256 b) { return reinterpret_cast<Mask>(_mm256_cmp_ps(a, b, _CMP_GT_OQ)); }
    static bool Every(Mask m) { return _mm256_movemask_ps(_mm256_castsi256_ps(m)) == 0xFF; }
    static Count CountWhere(Count count, Mask m) { return _mm256_sub_epi32(count, m); }
};

#include "engine/trials/kernels/vector_kernel_body.h"

KESTAVEL_KERNEL_END
