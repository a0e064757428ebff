#include "engine/trials/jump/twister_jump.h"

#include <bit>
#include <cstring>
#include <vector>

#include "engine/trials/trial_kernel.h"
#include "engine/trials/twister_sequence.h"
#include "engine/trials/twister_state_text.h"

namespace kestavel {

// The method of Haramoto, Matsumoto, Nishimura, Panneton and L'Ecuyer, "Efficient jump ahead
// for F2-linear random number generators" (INFORMS Journal on Computing 20(3), 2008). One step
// of the engine is a linear map T over GF(2), and p(T) = 0 for its characteristic polynomial p
// (Cayley-Hamilton). So T^k = g(T) for g(x) = x^k mod p, which has degree below 19937, and the
// state k steps on is
//     g(T) s = T(...T(T(g_d s) + g_(d-1) s)...) + g_0 s,
// by Horner's rule 19937 steps of the engine from s, adding s in wherever g has a 1 (here a few
// coefficients at a time, see ApplyPolynomial). Finding g takes some 26 squarings modulo p for
// k near 2^40 (twister_polynomial.cpp), which is two thirds of a jump's cost.
//
// The engine's state here is a window of 624 consecutive words of its sequence, and a step
// makes the next word and drops the oldest. Of the oldest word only the top bit is ever read,
// so its other 31 bits need not be the sequence's own (after seeding they are arbitrary), and
// on such a window p(T) is not 0. One step made by hand first drops them; from there every
// word is made by the recurrence, and p(T) is 0.

namespace {

// Below this many draws discard is as quick as a jump (measured: see the benchmark).
constexpr uint64_t kDiscardBelow = uint64_t{1} << 17;

// The twister's recurrence: the word 624 on from x[0], from x[0], x[1] and x[397].
uint32_t NextWord(const uint32_t* x) {
    const uint32_t y = (x[0] & kTwisterUpperBit) | (x[1] & kTwisterLowerBits);
    return x[kTwisterShift] ^ (y >> 1) ^ (kTwisterMatrix & (0u - (y & 1u)));
}

// 624 consecutive words of the sequence, moved on a word at a time through a buffer with room
// to run on before it moves back.
class Window {
public:
    explicit Window(const uint32_t* words) { std::memcpy(buffer_, words, sizeof(uint32_t) * kTwisterWords); }

    const uint32_t* Words() const { return buffer_ + start_; }

    void Step() {
        uint32_t* x = buffer_ + start_;
        x[kTwisterWords] = NextWord(x);
        if (++start_ == kRoom) {
            std::memmove(buffer_, buffer_ + kRoom, sizeof(uint32_t) * kTwisterWords);
            start_ = 0;
        }
    }

    void Add(const uint32_t* words) {
        uint32_t* x = buffer_ + start_;
        for (int i = 0; i < kTwisterWords; ++i) x[i] ^= words[i];
    }

private:
    static constexpr int kRoom = 1024;
    uint32_t buffer_[kTwisterWords + kRoom];
    int start_ = 0;
};

// Replaces the window's state s by g(T) s, by Horner's rule over digits of kDigitBits
// coefficients: with g = sum_b x^(6b) d_b(x), g(T) s = sum_b T^(6b) d_b(T) s, and the 64 sums
// d(T) s for every digit d are made first. T^t s is only the window t words on, so each sum is
// one addition to another. That makes some 3300 additions of a whole state where a coefficient
// at a time makes 10000, for 63 more, and the same steps.
void ApplyPolynomial(Window& window, const TwisterPolynomial& g) {
    constexpr int kDigitBits = 6, kDigits = 1 << kDigitBits;
    uint32_t words[kTwisterWords + kDigitBits];
    std::memcpy(words, window.Words(), sizeof(uint32_t) * kTwisterWords);
    for (int i = kTwisterWords; i < kTwisterWords + kDigitBits; ++i) words[i] = NextWord(words + i - kTwisterWords);
    std::vector<uint32_t> sums(size_t{kDigits} * kTwisterWords);
    for (int d = 1; d < kDigits; ++d) {
        const int top = 31 - std::countl_zero(static_cast<uint32_t>(d));
        const uint32_t* rest = sums.data() + size_t(d ^ (1 << top)) * kTwisterWords;
        uint32_t* sum = sums.data() + size_t(d) * kTwisterWords;
        for (int i = 0; i < kTwisterWords; ++i) sum[i] = rest[i] ^ words[top + i];
    }
    auto digit = [&](int b) {
        int d = 0;
        for (int t = kDigitBits - 1; t >= 0; --t) {
            const int i = b * kDigitBits + t;
            d = 2 * d + (i < kTwisterDegree && Coefficient(g, i) ? 1 : 0);
        }
        return d;
    };
    int b = (kTwisterDegree - 1) / kDigitBits;
    while (b > 0 && digit(b) == 0) --b;
    window = Window(sums.data() + size_t(digit(b)) * kTwisterWords);
    for (--b; b >= 0; --b) {
        for (int t = 0; t < kDigitBits; ++t) window.Step();
        const int d = digit(b);
        if (d != 0) window.Add(sums.data() + size_t(d) * kTwisterWords);
    }
}

}  // namespace

TwisterJump::TwisterJump(uint64_t draws) : draws_(draws) {
    // Apply makes the first step by hand and up to 1247 of the last (see there): the
    // polynomial takes the rest.
    if (draws > static_cast<uint64_t>(kTwisterWords) + 1 && TwisterCharacteristicKnown()) {
        polynomialSteps_ = draws - kTwisterWords - 1;
        polynomial_ = PowerOfXModTwister(polynomialSteps_);
    }
}

void TwisterJump::Apply(std::mt19937& engine) const {
    if (draws_ == 0) return;
    TwisterState state;
    TwisterStateForm form;
    if (!TwisterStateUnderstood() || !ReadTwisterState(engine, state, form)) {
        engine.discard(draws_);
        return;
    }
    const TwisterState jumped = Apply(state, form);
    if (!SetTwisterStateText(engine, FormatTwisterState(jumped.words, jumped.next, form))) engine.discard(draws_);
}

TwisterState TwisterJump::Apply(const TwisterState& state, TwisterStateForm form) const {
    if (draws_ == 0) return state;
    // Counted from the first word of `state`: the word of the next output after the jump, and
    // the first of the 624 words to give back. libstdc++'s form needs the block that holds the
    // last word drawn (its index then 1 to 624), the standard's the 624 words before the next;
    // either way that is at least draws - 624 steps on, at least polynomialSteps_ + 1.
    const uint64_t next = state.next + draws_;
    const uint64_t start =
        form == TwisterStateForm::kBlockAndIndex ? (next - 1) / kTwisterWords * kTwisterWords : next - kTwisterWords;
    Window window(state.words);
    uint64_t steps = 0;
    if (polynomialSteps_ > 0) {
        window.Step();
        ApplyPolynomial(window, polynomial_);
        steps = 1 + polynomialSteps_;
    }
    for (; steps < start; ++steps) window.Step();
    TwisterState jumped;
    std::memcpy(jumped.words, window.Words(), sizeof jumped.words);
    jumped.next = static_cast<size_t>(next - start);
    return jumped;
}

void JumpAhead(std::mt19937& engine, uint64_t draws) {
    if (draws < kDiscardBelow) {
        engine.discard(draws);
        return;
    }
    TwisterJump(draws).Apply(engine);
}

}  // namespace kestavel
