// The kernels for x86-64 CPUs with SSE4.1 (no AVX2): four words, or four trials, at a time.

#include "engine/trials/kernels/x86_target.h"

KESTAVEL_KERNEL_BEGIN(sse41, "sse4.1")

// What the body needs of this width (see vector_kernel_body.h). Half of a vector of words is its
// low 64 bits, two words, as the conversion to two doubles reads them.
struct Lanes {
    using Words = __m128i;
    using HalfWords = __m128i;
    using Reals = __m128d;

    static HalfWords Low(Words v) { return v; }
    static HalfWords High(Words v) { return _mm_unpackhi_epi64(v, v); }
    static Reals ToReals(HalfWords r) { return _mm_cvtepi32_pd(_mm_xor_si128(r, _mm_set1_epi32(kTopBitAsInt))) + kTopBitValue; }

    static Words UnpackLow32(Words a, Words b) { return _mm_unpacklo_epi32(a, b); }
    static Words UnpackHigh32(Words a, Words b) { return _mm_unpackhi_epi32(a, b); }
    static Words UnpackLow64(Words a, Words b) { return _mm_unpacklo_epi64(a, b); }
    static Words UnpackHigh64(Words a, Words b) { return _mm_unpackhi_epi64(a, b); }
    static void LoadRows(const uint32_t* p, size_t stride, Words (&rows)[4]) {
        for (int l = 0; l < 4; ++l) rows[l] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + l * stride));
    }
    // One 128-bit lane: the interleaving has already made every column.
    static void PlaceQuads(const Words (&quads)[4], Words (&rows)[4]) { std::copy(quads, quads + 4, rows); }

    // No gather before AVX2: the four words one by one.
    static Words GatherWords(const uint32_t* base, Words index) {
        return _mm_setr_epi32(static_cast<int>(base[_mm_cvtsi128_si32(index)]),
                              static_cast<int>(base[_mm_extract_epi32(index, 1)]),
                              static_cast<int>(base[_mm_extract_epi32(index, 2)]),
                              static_cast<int>(base[_mm_extract_epi32(index, 3)]));
    }
    static Words MaxWords(Words a, Words b) { return _mm_max_epu32(a, b); }

    static unsigned GreaterMask(Reals a, Reals b) { return static_cast<unsigned>(_mm_movemask_pd(_mm_cmpgt_pd(a, b))); }
    static Reals MaxReal(Reals a, Reals b) { return _mm_max_pd(a, b); }
    static Reals SplatReal(double v) { return _mm_set1_pd(v); }
    static __m128 MaxFloats(__m128 a, __m128 b) { return _mm_max_ps(a, b); }
    using Count = Words;
    using Mask = __m128i;
    static Mask FloatGreater(__m128 a, __m128 b) { return _mm_castps_si128(_mm_cmpgt_ps(a, b)); }
    static bool Every(Mask m) { return _mm_movemask_ps(_mm_castsi128_ps(m)) == 0xF; }
    static Count CountWhere(Count count, Mask m) { return _mm_sub_epi32(count, m); }
};

#include "engine/trials/kernels/vector_kernel_body.h"

KESTAVEL_KERNEL_END
