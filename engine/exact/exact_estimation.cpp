#include "engine/exact/exact_estimation.h"

#include <cmath>

#include "engine/estimation/candidate_search.h"
#include "engine/exact/exact_rates.h"
#include "engine/run_counts.h"

namespace kestavel {

Estimation EstimateExactly(const EstimationInputs& in, const CandidateRange& range) {
    Estimation result{};
    result.range = range;
    const double observedWins = WinsAtPercent(in.observedPercent);
    const int32_t matchedEnemies = in.matched == CountedEvent::kFirstStrike ? 1 : in.enemyCount;
    result.bestSpeed = ClosestCandidate(result.range, kDistanceBeforeAnyCandidate, [&](int32_t speed) {
        const double expectedWins = kTrialsPerRun * ExactShutOutProbability(in.allySpeed, speed, matchedEnemies);
        return std::fabs(observedWins - expectedWins);
    });
    result.table = ExactEstimateTable(in.allySpeed, in.enemyCount, result.bestSpeed);
    result.path = TrialPath::kPlain;
    return result;
}

EstimateTable ExactEstimateTable(const double (&allySpeed)[kAllyCount], int32_t enemyCount, int32_t bestSpeed) {
    return FillEstimateTable(bestSpeed, [&](TableRow& row) {
        const ExactRates rates = ExactRatesFor(allySpeed, row.speed, enemyCount);
        row.shutOutRate = 100 * rates.shutOut;
        row.firstStrikeRate = 100 * rates.firstStrike;
    });
}

}  // namespace kestavel
