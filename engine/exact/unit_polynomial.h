#pragma once
// The polynomials of the exact rates: coefficients of u^0, u^1, ... in a piece's own coordinate
// u, which runs from 0 to 1 across the piece. Every coefficient the rates build is
// non-negative, so multiplying and integrating term by term loses nothing to cancellation.

#include <cstddef>
#include <vector>

namespace kestavel {

// Multiplies `p` by (c + d u).
inline void MultiplyByLinear(std::vector<double>& p, double c, double d) {
    p.push_back(0.0);
    for (size_t k = p.size() - 1; k > 0; --k) p[k] = c * p[k] + d * p[k - 1];
    p[0] = c * p[0];
}

// The integral of `p` over u from 0 to 1.
inline double IntegralOverPiece(const std::vector<double>& p) {
    double integral = 0;
    for (size_t k = 0; k < p.size(); ++k) integral += p[k] / static_cast<double>(k + 1);
    return integral;
}

}  // namespace kestavel
