#include "engine/estimation/simulated_estimation.h"

#include <cmath>

#include "engine/estimation/candidate_search.h"
#include "engine/initiative.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

Estimation EstimateBySimulation(const EstimationInputs& in, std::mt19937& engine, EstimationProgress& progress) {
    Estimation result{};
    result.range = CandidateRangeFor(BestAllySpeed(in.allySpeed));
    const double observedWins = WinsAtPercent(in.observedPercent);

    // Every run of the estimation goes through one session: the engine's position is handed
    // over once and given back when the session ends.
    TrialSession session(engine);
    int32_t runsDone = 0;
    result.bestSpeed = ClosestCandidate(result.range, kDistanceBeforeAnyCandidate, [&](int32_t speed) {
        const RunCounts counts = session.Run(in.allySpeed, speed, in.enemyCount);
        result.path = counts.path;
        progress.SearchRunsDone(++runsDone, result.range.Count());
        const int64_t wins = in.matched == CountedEvent::kFirstStrike ? counts.firstStrikeWins : counts.shutOutWins;
        return std::fabs(observedWins - static_cast<double>(wins));
    });
    progress.TableStarted();

    result.table = FillEstimateTable(result.bestSpeed, [&](TableRow& row) {
        const RunCounts counts = session.Run(in.allySpeed, row.speed, in.enemyCount);
        result.path = counts.path;
        row.shutOutWins = counts.shutOutWins;
        row.firstStrikeWins = counts.firstStrikeWins;
        row.shutOutRate = PercentOfWins(static_cast<double>(counts.shutOutWins));
        row.firstStrikeRate = PercentOfWins(static_cast<double>(counts.firstStrikeWins));
    });
    session.Finish();
    progress.Finished();
    return result;
}

}  // namespace kestavel
