#include "engine/exact/observed_count_fit.h"

#include <cstddef>
#include <limits>

#include "engine/estimation/candidate_search.h"
#include "engine/exact/exact_rates.h"

namespace kestavel {

ObservedCountFit FitObservedCount(const double (&allySpeed)[kAllyCount], int32_t enemyCount, BinomialCount observed,
                                  const CandidateRange& range) {
    ObservedCountFit fit{};
    fit.range = range;
    std::vector<double> probabilities;
    // The likeliest speed is the least unlikely: the search's distance is minus the log-likelihood,
    // from which no candidate, however unlikely, is kept out.
    const int32_t likeliest =
        ClosestCandidate(fit.range, std::numeric_limits<double>::infinity(), [&](int32_t speed) {
            const double p = ExactShutOutProbability(allySpeed, speed, enemyCount);
            probabilities.push_back(p);
            if (InClopperPearsonInterval(p, observed, kObservedConfidence)) fit.consistent.push_back({speed, p});
            return -BinomialLogLikelihood(p, observed);
        });
    fit.likeliest = {likeliest, probabilities[static_cast<size_t>(likeliest - fit.range.lowerSpeed)]};
    return fit;
}

}  // namespace kestavel
