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

// The exponents of p's terms below x^19937, highest first. Every output bit of the engine is a
// fixed GF(2)-linear function of its state, so each bit sequence, such as the lowest bit of
// successive outputs, obeys the linear recurrence whose characteristic polynomial is the
// transition's; that polynomial is primitive, so the shortest recurrence of any such sequence
// not all zero is p itself, which the Berlekamp-Massey algorithm finds from 2 * 19937 bits of
// it. That is where these come from: found at every start they cost some 6 ms, several jumps'
// worth, on the first jump of every process.
constexpr int kLowerTerms[] = {
    19314, 19087, 18860, 18691, 18633, 18406, 18237, 18179, 18068, 17952, 17841, 17783, 17725, 17498,
    17445, 17329, 17271, 17160, 17044, 16933, 16875, 16822, 16817, 16595, 16590, 16537, 16421, 16368,
    16363, 16252, 16141, 16136, 16025, 15967, 15909, 15682, 15629, 15576, 15513, 15455, 15349, 15344,
    15228, 15117, 15059, 15006, 15001, 14953, 14779, 14774, 14721, 14605, 14552, 14547, 14436, 14325,
    14320, 14209, 14151, 14093, 13866, 13813, 13760, 13697, 13639, 13533, 13528, 13412, 13301, 13243,
    13190, 13185, 13137, 12963, 12958, 12905, 12789, 12736, 12731, 12673, 12620, 12509, 12504, 12393,
    12335, 12277, 11997, 11944, 11881, 11838, 11717, 11712, 11611, 11485, 11384, 11374, 11321, 11215,
    11157, 11147, 11089, 10920, 10761, 10693, 10128, 9969, 9901, 9505, 8206, 7979, 7752, 7583, 7525,
    7477, 7129, 6569, 6337, 5661, 4753, 4362, 4135, 3908, 3681, 3454, 3227, 3000, 2773, 2493, 1870,
    1643, 1585, 1416, 1189, 0};
// Reduce takes 64-bit pieces off the top: no term may sit within 64 bits of x^19937.
static_assert(kLowerTerms[0] <= kDegree - 64);

// Whether p's recurrence holds for the lowest bits of this library's engine, at 19937 positions
// in a row: then it holds at every position, since what p leaves of the sequence,
// s(k + 19937) + sum s(k + e), obeys the transition's recurrence too, which is of order 19937:
// 19937 zeros in a row make every later term 0. About 0.1 ms.
bool RecurrenceHolds() {
    constexpr int kBits = 2 * kDegree;
    std::vector<uint64_t> bits(kBits / 64 + 2, 0);
    std::mt19937 engine;
    for (int k = 0; k < kBits; ++k) bits[k / 64] |= static_cast<uint64_t>(engine() & 1u) << (k % 64);
    // The 64 bits from position `from` on.
    const auto bitsFrom = [&](int from) {
        const int word = from / 64, shift = from % 64;
        return shift == 0 ? bits[word] : (bits[word] >> shift) | (bits[word + 1] << (64 - shift));
    };
    for (int k = 0; k < kDegree; k += 64) {
        uint64_t left = bitsFrom(k + kDegree);
        for (int e : kLowerTerms) left ^= bitsFrom(k + e);
        if (kDegree - k < 64) left &= (uint64_t{1} << (kDegree - k)) - 1;
        if (left != 0) return false;
    }
    return true;
}

const Characteristic& TheCharacteristic() {
    static const Characteristic characteristic = [] {
        Characteristic p;
        p.known = RecurrenceHolds();
        p.piecesAtOnce = std::min((kDegree - kLowerTerms[0]) / 64, Characteristic::kMostPieces);
        for (int e : kLowerTerms) {
            p.termWord.push_back(e / 64);
            p.termShift.push_back(e % 64);
        }
        return p;
    }();
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
