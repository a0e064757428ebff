#include "cli/questions/curve_result.h"

#include <cmath>
#include <memory>

#include "cli/cli_messages.h"
#include "cli/questions/cli_form.h"
#include "cli/questions/encounter/enemy_group.h"
#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/exact/exact_group_rates.h"
#include "engine/exact/observed_count_fit.h"
#include "engine/mixed_trial_run.h"
#include "engine/trial_run.h"

namespace kestavel::cli {

Outcome<CurveResult> RunCurve(const CurveInputs& in) {
    EnemyGroup group;
    group.listed = in.listed;
    group.count = in.enemies;
    if (!in.listed.empty()) {
        if (std::optional<Refusal> refusal = GroupRefusal(group)) return *refusal;
    }
    auto simulator = std::make_unique<SpeedSimulator>(in.seed);
    SpeedSimulator& s = *simulator;
    // The party and the count pass the estimation's own checks, with its messages.
    CliForm form;
    SetAllyFields(form, in.allies);
    form.SetField(kFieldShutOutEnemyCount, std::to_string(in.enemies));
    form.SetField(kFieldObservedShutOut, "50");
    const int32_t code = OnEstimateWith(s, form, kMatchShutOut, [](SpeedSimulator& sim, int32_t, ProgressSink&) {
        const double best = BestAllySpeed(sim);
        return best < 1 || best > kHighestCandidateSpeed ? kEstimateAllySpeedInvalid : kEstimateOk;
    });
    if (code != 0) {
        const std::string message = form.Label(kLabelEstimateStatus);
        if (in.enemies < 1 || in.enemies > 9) return RefusalOf(message, kAcceptedEnemyCount, in.enemies);
        return RefusalOf(message, kAcceptedBestAlly, static_cast<long long>(BestAllySpeed(s)));
    }

    CurveResult result;
    result.inputs = in;
    const CandidateRange range = CandidateRangeFor(BestAllySpeed(s));
    result.from = in.from.value_or(range.lowerSpeed);
    result.to = in.to.value_or(range.upperSpeed);
    for (int32_t speed = result.from; speed <= result.to; ++speed) {
        CurvePoint point;
        point.speed = speed;
        if (!in.listed.empty()) {
            std::vector<double> speeds = group.Speeds();
            speeds[static_cast<size_t>(in.vary - 1)] = speed;
            point.exact = ExactRatesForGroup(s.allySpeed, speeds);
            if (in.simulate) RunMixedTrials(s, speeds);
        } else {
            point.exact = ExactRatesFor(s.allySpeed, speed, s.enemyCount);
            if (in.simulate) RunTrials(s, speed);
        }
        if (in.simulate) {
            point.shutOutWins = std::llround(s.winsAll);
            point.firstStrikeWins = std::llround(s.winsFirst);
        }
        // The counted event: a first strike against one enemy, a shut-out of several.
        if (in.observed) point.consistent = InClopperPearsonInterval(point.exact.shutOut, *in.observed, kObservedConfidence);
        result.points.push_back(point);
    }
    return result;
}

}  // namespace kestavel::cli
