#include "analysis/curve_question.h"

#include <random>

#include "analysis/enemy_group.h"
#include "engine/estimation/candidate_range.h"
#include "engine/exact/exact_group_rates.h"
#include "engine/exact/observed_count_fit.h"
#include "engine/initiative.h"
#include "engine/mixed_trial_run.h"
#include "engine/trial_run.h"

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
    std::mt19937 engine(r.seed);
    for (int32_t speed = answer.from; speed <= answer.to; ++speed) {
        CurvePoint point;
        point.speed = speed;
        RunCounts counts;
        if (group.Listed()) {
            std::vector<double> speeds = group.Speeds();
            speeds[static_cast<size_t>(r.vary - 1)] = speed;
            point.exact = ExactRatesForGroup(allySpeed, speeds);
            if (r.simulate) counts = SimulateMixedRun(allySpeed, speeds, engine);
        } else {
            point.exact = ExactRatesFor(allySpeed, speed, r.enemies);
            if (r.simulate) counts = SimulateRun(allySpeed, speed, r.enemies, engine);
        }
        if (r.simulate) {
            point.shutOutWins = counts.shutOutWins;
            point.firstStrikeWins = counts.firstStrikeWins;
            answer.path = counts.path;
        }
        // The counted event: a first strike against one enemy, a shut-out of several.
        if (r.observed) point.consistent = InClopperPearsonInterval(point.exact.shutOut, *r.observed, kObservedConfidence);
        answer.points.push_back(point);
    }
    return answer;
}

}  // namespace kestavel::analysis
