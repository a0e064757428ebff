#include "analysis/curve_question.h"

#include <algorithm>
#include <iterator>
#include <random>

#include "analysis/inputs/enemy_group.h"
#include "analysis/inputs/observed_count.h"
#include "engine/estimation/candidate_range.h"
#include "engine/exact/exact_group_rates.h"
#include "engine/exact/observed_count_fit.h"
#include "engine/initiative.h"
#include "engine/trials/parallel/parallel_runs.h"

namespace kestavel::analysis {

namespace {

// A curve before its simulated runs: the answer's range, and its runs, one per speed from one
// engine, planned first whether simulated or not.
struct CurveSetUp {
    CurveAnswer answer;
    EnemyGroup group;
    RunPlan plan;
};

Outcome<CurveSetUp> SetUp(const CurveRequest& r) {
    EnemyGroup group;
    group.listed = r.listed;
    group.count = r.enemies;
    if (group.Listed()) {
        if (std::optional<Refusal> refusal = GroupRefusal(group)) return *refusal;
    }
    // The party and the count pass the estimation's own checks.
    if (std::optional<Refusal> refusal = EnemyCountRefusal(r.enemies)) return *refusal;
    if (std::optional<Refusal> refusal = ObservedCountRefusal(r.observed)) return *refusal;
    if (std::optional<Refusal> refusal = CandidatePartyRefusal(r.allies)) return *refusal;

    CurveSetUp s;
    s.group = group;
    s.answer.request = r;
    FillAllySpeeds(r.allies, s.plan.allySpeed);
    // By default every speed at which the rates can change: only the window's estimation, and the
    // simulated one that follows it, stop at its cap.
    const CandidateRange range = FullCandidateRange(BestAllySpeed(s.plan.allySpeed));
    s.answer.from = r.from.value_or(range.lowerSpeed);
    s.answer.to = r.to.value_or(range.upperSpeed);
    for (int32_t speed = s.answer.from; speed <= s.answer.to; ++speed) {
        PlannedRun run;
        if (group.Listed()) {
            run.listed = group.Speeds();
            run.listed[static_cast<size_t>(r.vary - 1)] = speed;
        } else {
            run.enemySpeed = speed;
            run.enemyCount = r.enemies;
        }
        s.plan.runs.push_back(run);
    }
    return s;
}

// The answer from the runs' counts, one per speed when simulated, none otherwise.
CurveAnswer Finish(CurveSetUp& s, std::span<const RunCounts> simulated) {
    const CurveRequest& r = s.answer.request;
    CurveAnswer& answer = s.answer;
    for (size_t i = 0; i < s.plan.runs.size(); ++i) {
        const PlannedRun& run = s.plan.runs[i];
        CurvePoint point;
        point.speed = answer.from + static_cast<int32_t>(i);
        point.exact = s.group.Listed() ? ExactRatesForGroup(s.plan.allySpeed, run.listed)
                                       : ExactRatesFor(s.plan.allySpeed, run.enemySpeed, run.enemyCount);
        if (r.simulate) {
            point.shutOutWins = simulated[i].shutOutWins;
            point.firstStrikeWins = simulated[i].firstStrikeWins;
            answer.path = simulated[i].path;
        }
        // The counted event: a first strike against one enemy, a shut-out of several.
        if (r.observed) point.consistent = InClopperPearsonInterval(point.exact.shutOut, *r.observed, kObservedConfidence);
        answer.points.push_back(point);
    }
    return std::move(answer);
}

}  // namespace

Outcome<CurveAnswer> AnswerCurve(const CurveRequest& r) {
    Outcome<CurveSetUp> setUp = SetUp(r);
    if (const Refusal* refusal = std::get_if<Refusal>(&setUp)) return *refusal;
    CurveSetUp& s = std::get<CurveSetUp>(setUp);
    std::vector<RunCounts> simulated;
    if (r.simulate) {
        std::mt19937 engine(r.seed);
        simulated = RunInParallel(s.plan, engine, Parallelism{r.threads});
    }
    return Finish(s, simulated);
}

std::unique_ptr<RunStages> CurveRunStages(const CurveRequest& r) {
    Outcome<CurveSetUp> setUp = SetUp(r);
    CurveSetUp* s = std::get_if<CurveSetUp>(&setUp);
    if (s == nullptr || !r.simulate) return std::make_unique<OneStage>();
    return std::make_unique<OneStage>(std::move(s->plan));
}

std::optional<Outcome<CurveAnswer>> AnswerCurveFromCounts(const CurveRequest& r, std::span<const RunCounts> counts) {
    Outcome<CurveSetUp> setUp = SetUp(r);
    if (const Refusal* refusal = std::get_if<Refusal>(&setUp)) {
        if (!counts.empty()) return std::nullopt;
        return *refusal;
    }
    CurveSetUp& s = std::get<CurveSetUp>(setUp);
    if (counts.size() != (r.simulate ? s.plan.runs.size() : 0)) return std::nullopt;
    return Finish(s, counts);
}

}  // namespace kestavel::analysis
