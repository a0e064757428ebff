// The kernels for WebAssembly's 128-bit vectors (simd128): four words, or four trials, at a time.
// The vector kernels' body, which the x86 paths run, is written on the compiler's vector operators
// and a `Lanes` alone, so it serves here too, with WebAssembly's own operations in `Lanes`. Built
// only into the module for browsers that have simd128 (-msimd128); the others load the module
// without it.

#include <wasm_simd128.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "engine/trials/trial_kernel.h"

namespace kestavel::simd128 {

// What the body needs of this width (see vector_kernel_body.h). Half of a vector of words is its low
// two words, as the conversion to two doubles reads them.
struct Lanes {
    using Words = v128_t;
    using HalfWords = v128_t;
    using Reals = __f64x2;

    static HalfWords Low(Words v) { return v; }
    static HalfWords High(Words v) { return wasm_i64x2_shuffle(v, v, 1, 1); }
    // Unsigned words convert exactly, without the x86 paths' detour through signed ones (which
    // measured no faster under Node).
    static Reals ToReals(HalfWords r) { return reinterpret_cast<Reals>(wasm_f64x2_convert_low_u32x4(r)); }

    static Words UnpackLow32(Words a, Words b) { return wasm_i32x4_shuffle(a, b, 0, 4, 1, 5); }
    static Words UnpackHigh32(Words a, Words b) { return wasm_i32x4_shuffle(a, b, 2, 6, 3, 7); }
    static Words UnpackLow64(Words a, Words b) { return wasm_i64x2_shuffle(a, b, 0, 2); }
    static Words UnpackHigh64(Words a, Words b) { return wasm_i64x2_shuffle(a, b, 1, 3); }
    static void LoadRows(const uint32_t* p, size_t stride, Words (&rows)[4]) {
        for (int l = 0; l < 4; ++l) rows[l] = wasm_v128_load(p + l * stride);
    }
    // One 128-bit lane: the interleaving has already made every column.
    static void PlaceQuads(const Words (&quads)[4], Words (&rows)[4]) { std::copy(quads, quads + 4, rows); }

    // No gather: the four words one by one.
    static Words GatherWords(const uint32_t* base, Words index) {
        return wasm_u32x4_make(base[wasm_u32x4_extract_lane(index, 0)], base[wasm_u32x4_extract_lane(index, 1)],
                               base[wasm_u32x4_extract_lane(index, 2)], base[wasm_u32x4_extract_lane(index, 3)]);
    }
    static Words MaxWords(Words a, Words b) { return wasm_u32x4_max(a, b); }

    static unsigned GreaterMask(Reals a, Reals b) {
        return wasm_i64x2_bitmask(wasm_f64x2_gt(reinterpret_cast<v128_t>(a), reinterpret_cast<v128_t>(b)));
    }
    // The pseudo-maximum (b where a < b, else a), one instruction where the IEEE maximum is several:
    // the same for the values the body compares, which are never NaN.
    static Reals MaxReal(Reals a, Reals b) {
        return reinterpret_cast<Reals>(wasm_f64x2_pmax(reinterpret_cast<v128_t>(a), reinterpret_cast<v128_t>(b)));
    }
    static Reals SplatReal(double v) { return reinterpret_cast<Reals>(wasm_f64x2_splat(v)); }
    static __f32x4 MaxFloats(__f32x4 a, __f32x4 b) {
        return reinterpret_cast<__f32x4>(wasm_f32x4_pmax(reinterpret_cast<v128_t>(a), reinterpret_cast<v128_t>(b)));
    }
    // Wins counted lane by lane: a marked lane is all ones, -1, so subtracting the mask counts it.
    using Count = Words;
    using Mask = v128_t;
    static Mask FloatGreater(__f32x4 a, __f32x4 b) {
        return wasm_f32x4_gt(reinterpret_cast<v128_t>(a), reinterpret_cast<v128_t>(b));
    }
    // The mask's bits against all four: one instruction and a comparison in V8, where all_true
    // takes four.
    static bool Every(Mask m) { return wasm_i32x4_bitmask(m) == 0xF; }
    static Count CountWhere(Count count, Mask m) { return wasm_i32x4_sub(count, m); }
};

#include "engine/trials/kernels/vector_kernel_body.h"

}  // namespace kestavel::simd128
