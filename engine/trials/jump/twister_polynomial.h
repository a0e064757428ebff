#pragma once
// Polynomials over GF(2) modulo the characteristic polynomial of std::mt19937's transition: the
// arithmetic side of jumping ahead (twister_jump.h).

#include <array>
#include <cstdint>

namespace kestavel {

// The twister's state has 624 * 32 - 31 bits that matter (the oldest word gives only its top
// bit), and its transition's characteristic polynomial has that degree.
constexpr int kTwisterDegree = 19937;
constexpr int kTwisterPolynomialWords = (kTwisterDegree + 63) / 64;

// A polynomial of degree below kTwisterDegree; the coefficient of x^i is bit i % 64 of word i / 64.
using TwisterPolynomial = std::array<uint64_t, kTwisterPolynomialWords>;

inline bool Coefficient(const TwisterPolynomial& polynomial, int i) { return (polynomial[i / 64] >> (i % 64)) & 1u; }

// Whether the characteristic polynomial came out as this code needs it: of full degree, and with
// no term between x^(19937-64) and x^19937 (so that reduction can go 64 bits at a time). Checked
// once against the engine's own outputs; false only for an engine that is not the standard's.
bool TwisterCharacteristicKnown();

// x^power modulo the characteristic polynomial. Only when TwisterCharacteristicKnown().
TwisterPolynomial PowerOfXModTwister(uint64_t power);

}  // namespace kestavel
