// A piece of the vector kernel body (vector_kernel_body.h), included by it inside the kernel's
// namespace after `Lanes`: the twister's words in vectors, their layout, transpose and tempering,
// and the initiative of a half of them.

// Words in a vector: 4 (SSE4.1), 8 (AVX2) or 16 (AVX-512).
constexpr int kWidth = static_cast<int>(sizeof(Lanes::Words) / sizeof(uint32_t));
constexpr int kHalf = kWidth / 2;
// One block: kWidth stretches of kWidth consecutive trials, one stretch per lane.
constexpr int kTrialsPerBlock = kWidth * kWidth;
static_assert(kTrialsPerBlock <= kMostTrialsPerBlock, "the twister sequence keeps too few words for this block");

using Words = Lanes::Words;
using Reals = Lanes::Reals;
// The same bits as kWidth unsigned words, for shifts and masks by word, and as signed ones for
// conversion.
using WordLanes = uint32_t __attribute__((vector_size(sizeof(Words))));
using SignedLanes = int32_t __attribute__((vector_size(sizeof(Words))));
// One float per word: the filter judges a whole vector of trials at once.
using Floats = float __attribute__((vector_size(sizeof(Words))));

inline Words Load(const uint32_t* p) {
    Words v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void Store(uint32_t* p, Words v) { std::memcpy(p, &v, sizeof v); }
inline Words Splat(uint32_t value) { return reinterpret_cast<Words>(WordLanes{} + value); }
template <int n>
inline Words ShiftRight(Words v) {
    return reinterpret_cast<Words>(reinterpret_cast<WordLanes>(v) >> n);
}
template <int n>
inline Words ShiftLeft(Words v) {
    return reinterpret_cast<Words>(reinterpret_cast<WordLanes>(v) << n);
}
// v ^ m in the lanes where `test` is odd.
inline Words XorWhereOdd(Words v, Words test, Words m) {
    const WordLanes odd = -(reinterpret_cast<WordLanes>(test) & 1u);
    return v ^ (m & reinterpret_cast<Words>(odd));
}

inline void Extend(uint32_t* words, size_t from, size_t to) {
    const Words upper = Splat(kTwisterUpperBit);
    const Words matrix = Splat(kTwisterMatrix);
    for (size_t i = from; i < to; i += kWidth) {
        const Words current = Load(words + i - kTwisterWords);
        const Words next = Load(words + i - kTwisterWords + 1);
        const Words shifted = Load(words + i - kTwisterWords + kTwisterShift);
        // The upper bit of the current word, the lower bits of the next.
        const Words y = (upper & current) | (~upper & next);
        Store(words + i, XorWhereOdd(shifted ^ ShiftRight<1>(y), next, matrix));
    }
}

// kWidth rows of kWidth words, as Lanes::LoadRows gave them, become columns: on return rows[s]
// holds, in lane l, word s of row l. Interleaving within 128-bit lanes turns every four vectors
// into the columns of the four-word pieces they hold, 128-bit lane by 128-bit lane (plain rows
// leave quads[4g + c] holding, in its 128-bit lane q, column 4q + c of rows 4g to 4g + 3);
// Lanes::PlaceQuads moves those lanes into place.
inline void Transpose(Words (&rows)[kWidth]) {
    Words pairs[kWidth];
    for (int i = 0; i < kWidth; i += 2) {
        pairs[i] = Lanes::UnpackLow32(rows[i], rows[i + 1]);
        pairs[i + 1] = Lanes::UnpackHigh32(rows[i], rows[i + 1]);
    }
    Words quads[kWidth];
    for (int g = 0; g < kWidth; g += 4) {
        quads[g] = Lanes::UnpackLow64(pairs[g], pairs[g + 2]);
        quads[g + 1] = Lanes::UnpackHigh64(pairs[g], pairs[g + 2]);
        quads[g + 2] = Lanes::UnpackLow64(pairs[g + 1], pairs[g + 3]);
        quads[g + 3] = Lanes::UnpackHigh64(pairs[g + 1], pairs[g + 3]);
    }
    Lanes::PlaceQuads(quads, rows);
}

// (r * kFactorScale + kFactorOffset) * speed for half the words, as the plain loop computes it.
inline Reals Initiative(Lanes::HalfWords r, Reals speed) {
    return (Lanes::ToReals(r) * kFactorScale + kFactorOffset) * speed;
}

// The twister's tempering (TemperWord), lane by lane, in two parts: all but the last step, and
// the last, which changes only the word's low 14 bits. What the filter reads needs only the
// first part (see vector_quick_filter.h).
inline Words TemperAllButLast(Words y) {
    y ^= ShiftRight<11>(y);
    y ^= ShiftLeft<7>(y) & Splat(kTemperMaskB);
    return y ^ (ShiftLeft<15>(y) & Splat(kTemperMaskC));
}
inline Words TemperLast(Words y) { return y ^ ShiftRight<18>(y); }
inline Words Temper(Words y) { return TemperLast(TemperAllButLast(y)); }
