#include "engine/estimation/simulated_estimation.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/estimation/candidate_search.h"
#include "engine/initiative.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

namespace {

double DistanceOf(const EstimationInputs& in, const RunCounts& counts) {
    const int64_t wins = in.matched == CountedEvent::kFirstStrike ? counts.firstStrikeWins : counts.shutOutWins;
    return std::fabs(WinsAtPercent(in.observedPercent) - static_cast<double>(wins));
}

void KeepCounts(TableRow& row, const RunCounts& counts) {
    row.shutOutWins = counts.shutOutWins;
    row.firstStrikeWins = counts.firstStrikeWins;
    row.shutOutRate = PercentOfWins(static_cast<double>(counts.shutOutWins));
    row.firstStrikeRate = PercentOfWins(static_cast<double>(counts.firstStrikeWins));
}

PlannedRun RunAgainst(const EstimationInputs& in, int32_t speed) {
    PlannedRun run;
    run.enemySpeed = speed;
    run.enemyCount = in.enemyCount;
    return run;
}

}  // namespace

Estimation EstimateBySimulation(const EstimationInputs& in, std::mt19937& engine, EstimationProgress& progress) {
    Estimation result{};
    result.range = CandidateRangeFor(BestAllySpeed(in.allySpeed));

    // Every run of the estimation goes through one session: the engine's position is handed
    // over once and given back when the session ends.
    TrialSession session(engine);
    int32_t runsDone = 0;
    result.bestSpeed = ClosestCandidate(result.range, kDistanceBeforeAnyCandidate, [&](int32_t speed) {
        const RunCounts counts = session.Run(in.allySpeed, speed, in.enemyCount);
        result.path = counts.path;
        progress.SearchRunsDone(++runsDone, result.range.Count());
        return DistanceOf(in, counts);
    });
    progress.TableStarted();

    result.table = FillEstimateTable(result.bestSpeed, [&](TableRow& row) {
        const RunCounts counts = session.Run(in.allySpeed, row.speed, in.enemyCount);
        result.path = counts.path;
        KeepCounts(row, counts);
    });
    session.Finish();
    progress.Finished();
    return result;
}

Estimation EstimateBySimulation(const EstimationInputs& in, std::mt19937& engine, const Parallelism& parallelism,
                                EstimationProgress& progress) {
    if (parallelism.threads <= 1) return EstimateBySimulation(in, engine, progress);
    Estimation result{};
    result.range = CandidateRangeFor(BestAllySpeed(in.allySpeed));

    // The same search over counts run beforehand: candidate i's run is the i-th of the plan.
    RunPlan search;
    std::copy(std::begin(in.allySpeed), std::end(in.allySpeed), search.allySpeed);
    for (int32_t speed = result.range.lowerSpeed; speed <= result.range.upperSpeed; ++speed) {
        search.runs.push_back(RunAgainst(in, speed));
    }
    const std::vector<RunCounts> searched = RunInParallel(search, engine, parallelism, [&](int32_t done) {
        progress.SearchRunsDone(done, result.range.Count());
    });
    result.bestSpeed = ClosestCandidate(result.range, kDistanceBeforeAnyCandidate, [&](int32_t speed) {
        const RunCounts& counts = searched[static_cast<size_t>(speed - result.range.lowerSpeed)];
        result.path = counts.path;
        return DistanceOf(in, counts);
    });
    progress.TableStarted();

    // The rows the fill asks for, in its order, run first; then the same fill over their counts.
    RunPlan rows;
    std::copy(std::begin(in.allySpeed), std::end(in.allySpeed), rows.allySpeed);
    FillEstimateTable(result.bestSpeed, [&](TableRow& row) { rows.runs.push_back(RunAgainst(in, row.speed)); });
    const std::vector<RunCounts> rowCounts = RunInParallel(rows, engine, parallelism);
    size_t next = 0;
    result.table = FillEstimateTable(result.bestSpeed, [&](TableRow& row) {
        const RunCounts& counts = rowCounts[next++];
        result.path = counts.path;
        KeepCounts(row, counts);
    });
    progress.Finished();
    return result;
}

}  // namespace kestavel
