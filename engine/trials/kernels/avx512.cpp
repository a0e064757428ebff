// The kernels for x86-64 CPUs with AVX-512F: sixteen words, or sixteen trials, at a time.

#include "engine/trials/kernels/x86_target.h"

KESTAVEL_KERNEL_BEGIN(avx512, "avx512f")

// What the body needs of this width (see vector_kernel_body.h).
struct Lanes {
    using Words = __m512i;
    using HalfWords = __m256i;
    using Reals = __m512d;

    static Reals ToReals(HalfWords r) { return _mm512_cvtepu32_pd(r); }
    static void LoadRows(const uint32_t* p, size_t stride, Words (&rows)[16]) {
        for (int l = 0; l < 16; ++l) rows[l] = _mm512_loadu_si512(p + l * stride);
    }
    // Column c's four 128-bit pieces are lanes of quads[c], quads[4 + c], quads[8 + c] and
    // quads[12 + c]; 0x88 takes 128-bit lanes 0 and 2 of each source, 0xDD lanes 1 and 3.
    static void PlaceQuads(const Words (&quads)[16], Words (&rows)[16]) {
        for (int c = 0; c < 4; ++c) {
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

    static Words UnpackLow32(Words a, Words b) { return _mm512_unpacklo_epi32(a, b); }
    static Words UnpackHigh32(Words a, Words b) { return _mm512_unpackhi_epi32(a, b); }
    static Words UnpackLow64(Words a, Words b) { return _mm512_unpacklo_epi64(a, b); }
    static Words UnpackHigh64(Words a, Words b) { return _mm512_unpackhi_epi64(a, b); }

    static Words GatherWords(const uint32_t* base, Words index) { return _mm512_i32gather_epi32(index, base, 4); }
    static Words MaxWords(Words a, Words b) { return _mm512_max_epu32(a, b); }
    static HalfWords Low(Words v) { return _mm512_castsi512_si256(v); }
    static HalfWords High(Words v) { return _mm512_extracti64x4_epi64(v, 1); }

    static Reals SplatReal(double v) { return _mm512_set1_pd(v); }
    static Reals MaxReal(Reals a, Reals b) { return _mm512_max_pd(a, b); }
    static unsigned GreaterMask(Reals a, Reals b) { return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ); }

    static __m512 MaxFloats(__m512 a, __m512 b) { return _mm512_max_ps(a, b); }
    // Wins counted from the mask by the integer units, which the vector work leaves idle.
    using Count = int64_t;
    using Mask = __mmask16;
    static Mask FloatGreater(__m512 a, __m512 b) { return _mm512_cmp_ps_mask(a, b, _CMP_GT_OQ); }
    static bool Every(Mask m) { return m == 0xFFFF; }
    static Count CountWhere(Count count, Mask m) { return count + std::popcount(static_cast<unsigned>(m)); }
};

#include "engine/trials/kernels/vector_kernel_body.h"

KESTAVEL_KERNEL_END
