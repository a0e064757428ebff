// A piece of the vector kernel body (vector_kernel_body.h), included by it inside the kernel's
// namespace after Words, Floats and ShiftRight: the single-precision filter's constants and
// arithmetic.

// The single-precision filter. It reads a draw's output as tempered but for the last step
// (TemperAllButLast), z, which agrees with the output y in all but the low 14 bits: the last
// step changes no other. An initiative is computed as q * scale + offset in float, with
// q = z >> 8 (below 2^24, so converted exactly), scale = fl(kFactorScale * 256 * speed) and
// offset = fl(kFactorOffset * speed), the two products taken in double and rounded to float.
// Against the real number E = (y * kFactorScale + kFactorOffset) * speed (the double constants,
// no rounding), with u = 2^-24 and speed > 0:
//   y and 256q agree in their top 18 bits  |y - 256q| < 2^14: below 25.6u * speed
//   scale: double product, then float    (u + 2^-53) * 0.4 * speed
//   q * scale rounded                    u * 0.4 * speed (the product is below 0.4 * speed)
//   offset: double product, then float   (u + 2^-53) * 0.6 * speed
//   the sum rounded                      u * speed (the sum is at most speed)
// together below 28.1u * speed, and E >= 0.6 * speed: relative error below 46.9u. The plain
// loop's double is E with three roundings of 2^-53, relative error below 2^-51. So a float
// initiative f and its double d satisfy d in [f / (1 + p), f / (1 - p)] with p < 47u, and the
// maximum of such values keeps the same bound against the maximum of the doubles (0 is exact
// in both; the largest z need not be the largest y's, but is within the same bound of it).
// Every value is positive and normal: speeds in [2^-100, 2^100] keep them far from float's
// overflow and subnormals; a run with a speed outside that range, zero or negative, is judged
// in double throughout.
// Hence, with ally best a and an enemy's b in float, kMargin = 1 + 128u: fl(b * kMargin) < a
// means a > b * (1 + 126u) (rounding the product costs at most u), and as (1 + p) / (1 - p) is
// below 1 + 95u, the doubles have a > b strictly, ties excluded; likewise fl(a * kMargin) < b
// means the doubles have a < b.
// Neither holds only within a relative 2^-16 or so of a tie (one trial in some 15000 to 70000
// for close speeds, as measured): the doubles may then tie or differ in their last bits, and
// those trials are judged again by JudgeExactly, from the whole outputs. Leaving the last step
// to those few trials spares two of the tempering's ten operations on every draw.
constexpr float kMargin = 1.0f + 0x1p-17f;
constexpr double kFilterLeast = 0x1p-100;
constexpr double kFilterMost = 0x1p100;
constexpr int kDroppedBits = 8;

struct QuickConstants {
    bool usable;
    Floats margin;
    Floats allyScale[kAllyCount];
    Floats allyOffset[kAllyCount];
    Floats enemyScale;
    Floats enemyOffset;
};

inline bool FilterTakes(double speed) { return speed >= kFilterLeast && speed <= kFilterMost; }

inline Floats SplatFloat(double v) { return Floats{} + static_cast<float>(v); }

inline void QuickInitiativeOf(double speed, Floats& scale, Floats& offset) {
    scale = SplatFloat(kFactorScale * (1 << kDroppedBits) * speed);
    offset = SplatFloat(kFactorOffset * speed);
}

inline QuickConstants QuickConstantsFor(const TrialShape& shape) {
    QuickConstants q{};
    q.usable = FilterTakes(shape.enemySpeed);
    q.margin = SplatFloat(kMargin);
    QuickInitiativeOf(shape.enemySpeed, q.enemyScale, q.enemyOffset);
    for (int a = 0; a < shape.activeAllyCount; ++a) {
        q.usable = q.usable && FilterTakes(shape.allySpeed[a]);
        QuickInitiativeOf(shape.allySpeed[a], q.allyScale[a], q.allyOffset[a]);
    }
    return q;
}

inline Floats QuickInitiative(Words r, Floats scale, Floats offset) {
    const Floats q = __builtin_convertvector(reinterpret_cast<SignedLanes>(ShiftRight<kDroppedBits>(r)), Floats);
    return q * scale + offset;
}
