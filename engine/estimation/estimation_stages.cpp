#include "engine/estimation/estimation_stages.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "engine/estimation/candidate_search.h"
#include "engine/initiative.h"

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

// The speeds of the rows the fill gives rates to, in its order.
std::vector<int32_t> RowSpeeds(int32_t bestSpeed) {
    std::vector<int32_t> speeds;
    FillEstimateTable(bestSpeed, [&](TableRow& row) { speeds.push_back(row.speed); });
    return speeds;
}

}  // namespace

EstimationStages::EstimationStages(const EstimationInputs& inputs)
    : inputs_(inputs), range_(CandidateRangeFor(BestAllySpeed(inputs.allySpeed))) {}

RunPlan EstimationStages::PlanOf(std::span<const int32_t> speeds) const {
    RunPlan plan;
    std::copy(std::begin(inputs_.allySpeed), std::end(inputs_.allySpeed), plan.allySpeed);
    for (int32_t speed : speeds) plan.runs.push_back(PlannedRun{.enemySpeed = static_cast<double>(speed), .enemyCount = inputs_.enemyCount});
    return plan;
}

int32_t EstimationStages::BestSpeed(std::span<const RunCounts> searched) const {
    return ClosestCandidate(range_, kDistanceBeforeAnyCandidate, [&](int32_t speed) {
        return DistanceOf(inputs_, searched[static_cast<size_t>(speed - range_.lowerSpeed)]);
    });
}

std::optional<RunPlan> EstimationStages::StageAfter(std::span<const RunCounts> done) const {
    const auto searchRuns = static_cast<size_t>(range_.Count());
    if (done.empty()) {
        std::vector<int32_t> speeds;
        for (int32_t speed = range_.lowerSpeed; speed <= range_.upperSpeed; ++speed) speeds.push_back(speed);
        return PlanOf(speeds);
    }
    if (done.size() == searchRuns) return PlanOf(RowSpeeds(BestSpeed(done)));
    return std::nullopt;
}

std::optional<Estimation> EstimationStages::Finish(std::span<const RunCounts> counts) const {
    const auto searchRuns = static_cast<size_t>(range_.Count());
    if (counts.size() < searchRuns) return std::nullopt;
    Estimation result{};
    result.range = range_;
    result.bestSpeed = BestSpeed(counts.first(searchRuns));
    const std::span<const RunCounts> rows = counts.subspan(searchRuns);
    if (rows.size() != RowSpeeds(result.bestSpeed).size()) return std::nullopt;
    size_t next = 0;
    result.table = FillEstimateTable(result.bestSpeed, [&](TableRow& row) { KeepCounts(row, rows[next++]); });
    result.path = counts.back().path;
    return result;
}

}  // namespace kestavel
