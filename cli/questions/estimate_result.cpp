#include "cli/questions/estimate_result.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "cli/cli_messages.h"
#include "cli/output/progress_line.h"
#include "cli/questions/cli_form.h"
#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "engine/exact/exact_estimation.h"
#include "engine/exact/exact_rates.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

bool IsPercent(int32_t value) { return value >= 1 && value <= 99; }

// Which of the window's checks refused the input, in the order it makes them.
Refusal RefusalFor(const EstimateInputs& in, const CliForm& form, const SpeedSimulator& s) {
    const std::string message = form.Label(kLabelEstimateStatus);
    if (in.firstStrike) {
        if (!IsPercent(*in.firstStrike)) return RefusalOf(message, kAcceptedPercent, *in.firstStrike);
    } else {
        if (in.enemies < 1 || in.enemies > 9) return RefusalOf(message, kAcceptedEnemyCount, in.enemies);
        if (in.shutOut && !IsPercent(*in.shutOut)) return RefusalOf(message, kAcceptedPercent, *in.shutOut);
    }
    return RefusalOf(message, kAcceptedBestAlly, static_cast<long long>(BestAllySpeed(s)));
}

// The probability of the counted event (a first strike against one enemy, else a shut-out).
double EventProbability(const SpeedSimulator& s, int32_t speed) {
    return ExactShutOutProbability(s.allySpeed, speed, s.enemyCount);
}

void AddNotes(const SpeedSimulator& s, EstimateResult& result) {
    const std::optional<int32_t> percent = result.inputs.firstStrike ? result.inputs.firstStrike : result.inputs.shutOut;
    if (percent) {
        // The rates fall as the enemy speeds up: the range's ends hold the highest and lowest.
        const double highest = 100 * EventProbability(s, result.range.lowerSpeed);
        const double lowest = 100 * EventProbability(s, result.range.upperSpeed);
        if (*percent > highest || *percent < lowest) {
            result.notes.push_back(
                {kNoteCodeOutOfReach, FormatText(400, kNoteOutOfReach, {*percent, result.range.lowerSpeed, highest,
                                                                       result.range.upperSpeed, lowest, result.bestSpeed})});
        }
    }
    if (percent && result.fit) {
        const auto& consistent = result.fit->consistent;
        const bool inside = std::any_of(consistent.begin(), consistent.end(),
                                        [&](const SpeedWithRate& c) { return c.speed == result.bestSpeed; });
        if (!inside) {
            result.notes.push_back(
                {kNoteCodeDisagrees,
                 FormatText(400, kNoteObservedDisagrees, {result.bestSpeed, *percent, static_cast<long long>(result.inputs.observed->successes),
                                                          static_cast<long long>(result.inputs.observed->trials), ConsistentSpans(*result.fit)})});
        }
    }
}

}  // namespace

std::string ConsistentSpans(const ObservedCountFit& fit) {
    const std::vector<SpeedWithRate>& speeds = fit.consistent;
    if (speeds.empty()) return kSpansNone;
    std::string text;
    for (size_t i = 0; i < speeds.size();) {
        size_t last = i;
        while (last + 1 < speeds.size() && speeds[last + 1].speed == speeds[last].speed + 1) ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(speeds[i].speed);
        if (last > i) text += FormatText(100, kSpanTo, {speeds[last].speed});
        i = last + 1;
    }
    return text;
}

Outcome<EstimateResult> RunEstimate(const EstimateInputs& in) {
    auto simulator = std::make_unique<SpeedSimulator>(in.seed);
    SpeedSimulator& s = *simulator;
    CliForm form;
    SetAllyFields(form, in.allies);
    const bool percentGiven = in.firstStrike || in.shutOut;
    const int32_t kind = in.firstStrike ? kMatchFirstStrike : kMatchShutOut;
    if (in.firstStrike) form.SetField(kFieldObservedFirstStrike, std::to_string(*in.firstStrike));
    form.SetField(kFieldShutOutEnemyCount, std::to_string(in.enemies));
    // A count alone goes through the same checks, with a percent that the count replaces.
    form.SetField(kFieldObservedShutOut, std::to_string(in.shutOut.value_or(50)));

    ObservedCountFit fit{};
    int32_t code = 0;
    if (!in.exact) {
        ProgressLine progress;
        form.EchoTo(kLabelEstimateStatus, &progress);
        code = OnEstimate(s, form, kind);
        form.EchoTo(-1, nullptr);
    } else if (percentGiven) {
        code = OnEstimateWith(s, form, kind,
                              [](SpeedSimulator& sim, int32_t k, ProgressSink&) { return EstimateEnemySpeedExactly(sim, k); });
    } else {
        code = OnEstimateWith(s, form, kind, [&](SpeedSimulator& sim, int32_t, ProgressSink&) {
            const int32_t fitCode = FitObservedCount(sim, *in.observed, fit);
            if (fitCode != kEstimateOk) return fitCode;
            sim.bestSpeed = fit.likeliest.speed;
            FillExactTable(sim);
            return fitCode;
        });
    }
    if (code != 0) return RefusalFor(in, form, s);
    if (in.observed && percentGiven) FitObservedCount(s, *in.observed, fit);

    EstimateResult result;
    result.inputs = in;
    result.enemies = s.enemyCount;
    result.range = CandidateRangeFor(BestAllySpeed(s));
    result.bestSpeed = static_cast<int32_t>(s.bestSpeed);
    result.headerLine = form.Label(kLabelEstimateStatus);
    for (int i = 0; i < kTableRows; ++i) {
        result.rowLines[i] = form.Label(kLabelTableFirstRow + i);
        EstimateRow& row = result.rows[i];
        row.speed = s.rowSpeed[i];
        row.run = s.rowSpeed[i] >= 1;
        // A simulated rate is a count of 100000 runs: its percent has three exact decimals.
        row.firstStrikeRate = in.exact ? s.rowFirstRate[i] : std::llround(s.rowFirstRate[i] * 1000) / 1000.0;
        row.shutOutRate = in.exact ? s.rowAllRate[i] : std::llround(s.rowAllRate[i] * 1000) / 1000.0;
    }
    if (in.observed) result.fit = fit;
    AddNotes(s, result);
    return result;
}

}  // namespace kestavel::cli
