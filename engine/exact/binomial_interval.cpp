#include "engine/exact/binomial_interval.h"

#include <cmath>
#include <limits>

namespace kestavel {

namespace {

// A success probability p together with its complement q = 1 - p, each given as exactly as the
// caller knows it, so that a tail of the failures loses nothing to 1 - (1 - p).
struct Chance {
    long double p, q;
    long double LogP() const { return p < 0.5L ? std::log(p) : std::log1p(-q); }
    long double LogQ() const { return q < 0.5L ? std::log(q) : std::log1p(-p); }
    Chance Complement() const { return {q, p}; }
};

long double LogBinomialTerm(int64_t k, int64_t n, Chance c) {
    return std::lgamma(static_cast<long double>(n + 1)) - std::lgamma(static_cast<long double>(k + 1)) -
           std::lgamma(static_cast<long double>(n - k + 1)) + k * c.LogP() + (n - k) * c.LogQ();
}

// P(X <= k) for 0 <= k < n and 0 < p < 1 when the terms fall from k downwards, that is when
// k < (n + 1) p: summed from k down until the terms no longer count.
long double LowerTailFromItsEnd(int64_t k, int64_t n, Chance c) {
    long double term = std::exp(LogBinomialTerm(k, n, c));
    long double sum = 0;
    for (int64_t j = k; j >= 0 && term > 0; --j) {
        sum += term;
        if (term < sum * 1e-22L) break;
        term *= j * c.q / ((n - j + 1) * c.p);
    }
    return sum;
}

long double AtMost(int64_t k, int64_t n, Chance c) {
    if (k < 0) return 0;
    if (k >= n) return 1;
    if (c.p <= 0) return 1;
    if (c.q <= 0) return 0;
    if (k < (n + 1) * c.p) return LowerTailFromItsEnd(k, n, c);
    // The upper tail P(X >= k + 1) is the lower tail of the failures, whose terms fall from its end.
    return 1 - LowerTailFromItsEnd(n - k - 1, n, c.Complement());
}

Chance ChanceOf(double p) { return {static_cast<long double>(p), 1 - static_cast<long double>(p)}; }

}  // namespace

double BinomialAtMost(int64_t k, int64_t n, double p) { return static_cast<double>(AtMost(k, n, ChanceOf(p))); }

double BinomialAtLeast(int64_t k, int64_t n, double p) {
    // X >= k exactly when the failures n - X are at most n - k.
    return static_cast<double>(AtMost(n - k, n, ChanceOf(p).Complement()));
}

bool InClopperPearsonInterval(double p, BinomialCount observed, double confidence) {
    const double tail = (1 - confidence) / 2;
    if (observed.successes > 0 && BinomialAtLeast(observed.successes, observed.trials, p) < tail) return false;
    if (observed.successes < observed.trials && BinomialAtMost(observed.successes, observed.trials, p) < tail) return false;
    return true;
}

double BinomialLogLikelihood(double p, BinomialCount observed) {
    const int64_t failures = observed.trials - observed.successes;
    double logLikelihood = 0;
    if (observed.successes > 0) logLikelihood += observed.successes * std::log(p);
    if (failures > 0) logLikelihood += failures * std::log1p(-p);
    return std::isnan(logLikelihood) ? -std::numeric_limits<double>::infinity() : logLikelihood;
}

}  // namespace kestavel
