#pragma once
// What an observed count of successes says about the probability behind it.

#include <cstdint>

namespace kestavel {

// `successes` of `trials`, with 0 <= successes <= trials and trials >= 1.
struct BinomialCount {
    int64_t successes;
    int64_t trials;
};

// P(X <= k) and P(X >= k) for X binomial with `trials` and probability p in [0, 1], summed
// from the far end of the tail inwards in long double.
double BinomialAtMost(int64_t k, int64_t trials, double p);
double BinomialAtLeast(int64_t k, int64_t trials, double p);

// Whether p lies in the two-sided Clopper-Pearson interval of confidence `confidence` (0.95
// for 95 %): the exact binomial test that keeps p when P(X >= successes) and
// P(X <= successes) are each at least (1 - confidence) / 2 (the first is waived for 0
// successes, the second when every trial succeeded). The interval is closed.
bool InClopperPearsonInterval(double p, BinomialCount observed, double confidence);

// log(p^successes (1 - p)^failures), with 0 log 0 taken as 0: minus infinity where p cannot
// give the count.
double BinomialLogLikelihood(double p, BinomialCount observed);

}  // namespace kestavel
