#include "analysis/curve_question.h"

#include <algorithm>
#include <iterator>
#include <random>

#include "analysis/inputs/enemy_group.h"
#include "engine/estimation/candidate_range.h"
#include "engine/exact/exact_group_rates.h"
#include "engine/exact/observed_count_fit.h"
#include "engine/initiative.h"
#include "engine/trials/parallel/parallel_runs.h"

namespace kestavel::analysis {

Outcome<CurveAnswer> AnswerCurve(const CurveRequest& r) {
    EnemyGroup group;
    group.listed = r.listed;
    group.count = r.enemies;
    if (group.Listed()) {
        if (std::optional<Refusal> refusal = GroupRefusal(group)) return *refusal;
    }
    // The party and the count pass the estimation's own checks.
    if (std::optional<Refusal> refusal = EnemyCountRefusal(r.enemies)) return *refusal;
    if (std::optional<Refusal> refusal = CandidatePartyRefusal(r.allies)) return *refusal;

    CurveAnswer answer;
    answer.request = r;
    double allySpeed[kAllyCount];
    FillAllySpeeds(r.allies, allySpeed);
    // By default every speed at which the rates can change: only the window's estimation, and the
    // simulated one that follows it, stop at its cap.
    const CandidateRange range = FullCandidateRange(BestAllySpeed(allySpeed));
    answer.from = r.from.value_or(range.lowerSpeed);
    answer.to = r.to.value_or(range.upperSpeed);
    // The runs, one per speed from one engine, are planned first and done together.
    RunPlan plan;
    std::copy(std::begin(allySpeed), std::end(allySpeed), plan.allySpeed);
    for (int32_t speed = answer.from; speed <= answer.to; ++speed) {
        PlannedRun run;
        if (group.Listed()) {
            run.listed = group.Speeds();
            run.listed[static_cast<size_t>(r.vary - 1)] = speed;
        } else {
            run.enemySpeed = speed;
            run.enemyCount = r.enemies;
        }
        plan.runs.push_back(run);
    }
    std::vector<RunCounts> simulated;
    if (r.simulate) {
        std::mt19937 engine(r.seed);
        simulated = RunInParallel(plan, engine, Parallelism{r.threads});
    }
    for (size_t i = 0; i < plan.runs.size(); ++i) {
        const PlannedRun& run = plan.runs[i];
        CurvePoint point;
        point.speed = answer.from + static_cast<int32_t>(i);
        point.exact = group.Listed() ? ExactRatesForGroup(allySpeed, run.listed)
                                     : ExactRatesFor(allySpeed, run.enemySpeed, run.enemyCount);
        if (r.simulate) {
            point.shutOutWins = simulated[i].shutOutWins;
            point.firstStrikeWins = simulated[i].firstStrikeWins;
            answer.path = simulated[i].path;
        }
        // The counted event: a first strike against one enemy, a shut-out of several.
        if (r.observed) point.consistent = InClopperPearsonInterval(point.exact.shutOut, *r.observed, kObservedConfidence);
        answer.points.push_back(point);
    }
    return answer;
}

}  // namespace kestavel::analysis
