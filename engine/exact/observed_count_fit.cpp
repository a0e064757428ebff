#include "engine/exact/observed_count_fit.h"

#include <limits>

#include "engine/exact/exact_rates.h"
#include "engine/trial_run.h"

namespace kestavel {

int32_t FitObservedCount(const SpeedSimulator& s, BinomialCount observed, ObservedCountFit& fit) {
    if (s.enemyCount < 1 || s.enemyCount > kMaxEnemyCount) return kEstimateEnemyCountInvalid;
    const double bestAlly = BestAllySpeed(s);
    if (bestAlly < 1 || bestAlly > kHighestCandidateSpeed) return kEstimateAllySpeedInvalid;

    fit.range = CandidateRangeFor(bestAlly);
    fit.consistent.clear();
    fit.likeliest = {fit.range.lowerSpeed, 0};
    double bestLogLikelihood = -std::numeric_limits<double>::infinity();
    bool first = true;
    for (int32_t speed = fit.range.lowerSpeed; speed <= fit.range.upperSpeed; ++speed) {
        const double p = ExactShutOutProbability(s.allySpeed, speed, s.enemyCount);
        if (InClopperPearsonInterval(p, observed, kObservedConfidence)) fit.consistent.push_back({speed, p});
        const double logLikelihood = BinomialLogLikelihood(p, observed);
        if (first || logLikelihood >= bestLogLikelihood) {
            bestLogLikelihood = logLikelihood;
            fit.likeliest = {speed, p};
            first = false;
        }
    }
    return kEstimateOk;
}

}  // namespace kestavel
