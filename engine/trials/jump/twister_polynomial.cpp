#include "engine/trials/jump/twister_polynomial.h"

#include <algorithm>
#include <bit>
#include <random>
#include <vector>

namespace kestavel {

namespace {

constexpr int kDegree = kTwisterDegree;

// The characteristic polynomial p(x) = x^19937 + (the terms below), sparse: 135 terms.
struct Characteristic {
    static constexpr int kMostPieces = 16;
    bool known = false;
    // How many 64-bit pieces Reduce takes off at once: (19937 - the highest other exponent) / 64.
    int piecesAtOnce = 1;
    // The exponents e < 19937 of p's other terms, each as the word and bit where x^e sits.
    std::vector<int> termWord;
    std::vector<int> termShift;
};

// Every output bit of the engine is a fixed GF(2)-linear function of its state, so each bit
// sequence, such as the lowest bit of successive outputs, obeys the linear recurrence whose
// characteristic polynomial is the transition's. That polynomial is primitive for this
// engine, so the shortest recurrence of any sequence not all zero is that polynomial itself,
// and the Berlekamp-Massey algorithm finds it from 2 * 19937 bits of the sequence.
//
// The bits are packed 64 to a word. The algorithm's connection polynomial C(x) = 1 + c1 x + ...
// + cL x^L says s(k) = c1 s(k-1) + ... + cL s(k-L); p(x) is its reverse, x^L C(1/x).
Characteristic FindCharacteristic() {
    constexpr int kBits = 2 * kDegree;
    constexpr int kWords = kBits / 64 + 2;
    // The sequence reversed, r(j) = s(kBits-1-j), so that the sum over C's coefficients for bit
    // k reads r upwards from kBits-1-k; kept at each of the 64 bit offsets, so that that read
    // is whole words.
    std::vector<uint64_t> reversed(kWords, 0);
    std::mt19937 engine;
    for (int k = 0; k < kBits; ++k) {
        const int j = kBits - 1 - k;
        reversed[j / 64] |= static_cast<uint64_t>(engine() & 1u) << (j % 64);
    }
    std::vector<uint64_t> shifted(64 * kWords, 0);
    for (int offset = 0; offset < 64; ++offset) {
        for (int w = 0; w + 1 < kWords; ++w) {
            const uint64_t high = offset == 0 ? 0 : reversed[w + 1] << (64 - offset);
            shifted[offset * kWords + w] = (reversed[w] >> offset) | high;
        }
    }

    // c is C; b, the C before the last lengthening, is kept from b[1] on, so that the shift
    // below reads a 0 before its first word.
    std::vector<uint64_t> c(kWords + 2, 0), b(kWords + 2, 0), previous;
    c[0] = b[1] = 1;
    int length = 0;   // L, the length of the recurrence so far
    int gap = 1;      // how far b lags behind c
    int bWords = 1;   // words holding b
    for (int k = 0; k < kBits; ++k) {
        const int from = kBits - 1 - k;
        const uint64_t* window = shifted.data() + (from % 64) * kWords + from / 64;
        const int cWords = length / 64 + 1;
        uint64_t sum = 0;
        for (int w = 0; w < cWords; ++w) sum ^= c[w] & window[w];
        if ((std::popcount(sum) & 1) == 0) {
            ++gap;
            continue;
        }
        const bool lengthens = 2 * length <= k;
        if (lengthens) previous.assign(c.begin(), c.begin() + cWords);
        // c -= x^gap b
        const int wordShift = gap / 64, bitShift = gap % 64;
        const uint64_t* bFrom = b.data() + 1;
        uint64_t* to = c.data() + wordShift;
        for (int w = 0; w <= bWords; ++w) to[w] ^= (bFrom[w] << bitShift) | ((bFrom[w - 1] >> 1) >> (63 - bitShift));
        if (lengthens) {
            length = k + 1 - length;
            bWords = cWords;
            std::copy(previous.begin(), previous.end(), b.begin() + 1);
            b[1 + bWords] = 0;
            gap = 1;
        } else {
            ++gap;
        }
    }

    Characteristic result;
    auto cBit = [&](int i) { return (c[i / 64] >> (i % 64)) & 1u; };
    if (length != kDegree || !cBit(length)) return result;
    // p's coefficient of x^e is C's of x^(L-e); the highest below x^19937 must leave 64 bits of
    // room for the reduction.
    for (int e = kDegree - 1; e >= 0; --e) {
        if (!cBit(kDegree - e)) continue;
        if (result.termWord.empty()) {
            if (e > kDegree - 64) return result;
            result.piecesAtOnce = std::min((kDegree - e) / 64, Characteristic::kMostPieces);
        }
        result.termWord.push_back(e / 64);
        result.termShift.push_back(e % 64);
    }
    result.known = true;
    return result;
}

const Characteristic& TheCharacteristic() {
    static const Characteristic characteristic = FindCharacteristic();
    return characteristic;
}

// The square of a polynomial over GF(2) has the same bits spread apart: (sum a_i x^i)^2 =
// sum a_i x^2i, since the cross terms come in pairs.
uint64_t SpreadBits(uint64_t x) {
    x = (x | (x << 16)) & 0x0000FFFF0000FFFFu;
    x = (x | (x << 8)) & 0x00FF00FF00FF00FFu;
    x = (x | (x << 4)) & 0x0F0F0F0F0F0F0F0Fu;
    x = (x | (x << 2)) & 0x3333333333333333u;
    return (x | (x << 1)) & 0x5555555555555555u;
}

using Product = std::array<uint64_t, 2 * kTwisterPolynomialWords>;

// Reduces a product of degree below 2 * 19937 - 1 modulo p, from the top down: as x^19937 is
// (p's other terms), the 64 bits h at x^(19937+64j) come off and h x^(e+64j) goes on for every
// other term x^e. Those all land at least 623 bits lower (p has no term above x^19314), so
// the next 9 such 64-bit pieces down are untouched by them: each round takes 9 pieces off
// together and adds them back, shifted, once per term.
TwisterPolynomial Reduce(Product& product, const Characteristic& p) {
    constexpr int kBase = kDegree / 64, kShift = kDegree % 64;
    static_assert(kShift != 0, "the pieces are read across two words");
    // pieces[1 + i] is the piece at x^(19937+64(low+i)); pieces[0] and those after stay 0.
    uint64_t pieces[1 + Characteristic::kMostPieces + 1] = {};
    const int terms = static_cast<int>(p.termWord.size());
    for (int high = (kDegree - 2) / 64; high >= 0; high -= p.piecesAtOnce) {
        const int low = high + 1 > p.piecesAtOnce ? high + 1 - p.piecesAtOnce : 0;
        const int count = high + 1 - low;
        for (int i = 0; i < count; ++i) {
            uint64_t& below = product[kBase + low + i];
            uint64_t& above = product[kBase + low + i + 1];
            const uint64_t h = (below >> kShift) | (above << (64 - kShift));
            below ^= h << kShift;
            above ^= h >> (64 - kShift);
            pieces[1 + i] = h;
        }
        for (int i = count; i < Characteristic::kMostPieces + 1; ++i) pieces[1 + i] = 0;
        for (int t = 0; t < terms; ++t) {
            uint64_t* to = product.data() + p.termWord[t] + low;
            const int shift = p.termShift[t];
            // (w >> 1) >> (63 - shift) is w >> (64 - shift), and 0, not undefined, for shift 0.
            for (int i = 0; i <= count; ++i) to[i] ^= (pieces[1 + i] << shift) | ((pieces[i] >> 1) >> (63 - shift));
        }
    }
    TwisterPolynomial result;
    for (int i = 0; i < kTwisterPolynomialWords; ++i) result[i] = product[i];
    return result;
}

TwisterPolynomial SquareMod(const TwisterPolynomial& a, const Characteristic& p) {
    Product product;
    for (int i = 0; i < kTwisterPolynomialWords; ++i) {
        product[2 * i] = SpreadBits(a[i] & 0xFFFFFFFFu);
        product[2 * i + 1] = SpreadBits(a[i] >> 32);
    }
    return Reduce(product, p);
}

void MultiplyByXMod(TwisterPolynomial& a, const Characteristic& p) {
    for (int i = kTwisterPolynomialWords - 1; i > 0; --i) a[i] = (a[i] << 1) | (a[i - 1] >> 63);
    a[0] <<= 1;
    constexpr int kTopWord = kDegree / 64, kTopBit = kDegree % 64;
    if ((a[kTopWord] >> kTopBit) & 1u) {
        a[kTopWord] ^= uint64_t{1} << kTopBit;
        for (size_t t = 0; t < p.termWord.size(); ++t) a[p.termWord[t]] ^= uint64_t{1} << p.termShift[t];
    }
}

}  // namespace

bool TwisterCharacteristicKnown() { return TheCharacteristic().known; }

// Left to right over the bits of the power: the leading bits make an exponent below 19937,
// whose power of x is already reduced; each bit after them squares, and a 1 multiplies by x.
TwisterPolynomial PowerOfXModTwister(uint64_t power) {
    const Characteristic& p = TheCharacteristic();
    int rest = 0;
    while ((power >> rest) >= static_cast<uint64_t>(kDegree)) ++rest;
    TwisterPolynomial result{};
    const auto lead = static_cast<int>(power >> rest);
    result[lead / 64] = uint64_t{1} << (lead % 64);
    for (int i = rest - 1; i >= 0; --i) {
        result = SquareMod(result, p);
        if ((power >> i) & 1u) MultiplyByXMod(result, p);
    }
    return result;
}

}  // namespace kestavel
