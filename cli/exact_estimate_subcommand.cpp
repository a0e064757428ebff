#include "cli/exact_estimate_subcommand.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "cli/cli_form.h"
#include "cli/exact_report.h"
#include "cli/observed_option.h"
#include "cli/subcommand_support.h"
#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/exact/exact_estimation.h"
#include "engine/exact/observed_count_fit.h"
#include "engine/trial_run.h"

namespace kestavel::cli {

namespace {

int32_t ExactSearch(SpeedSimulator& simulator, int32_t kind, ProgressSink&) {
    return EstimateEnemySpeedExactly(simulator, kind);
}

void PrintJson(const SpeedSimulator& s, const std::optional<BinomialCount>& observed, const ObservedCountFit& fit) {
    std::printf("{\"bestSpeed\": %lld, \"rows\": [", static_cast<long long>(s.bestSpeed));
    for (int i = 0; i < kTableRows; ++i) {
        std::printf("%s{\"speed\": %d, \"firstStrikeRate\": %s, \"shutOutRate\": %s, \"exactFirstStrikeRate\": %s, "
                    "\"exactShutOutRate\": %s}",
                    i ? ", " : "", s.rowSpeed[i], RateJson(s.rowFirstRate[i] * 1000).c_str(),
                    RateJson(s.rowAllRate[i] * 1000).c_str(), ExactPercentJson(s.rowFirstRate[i] / 100).c_str(),
                    ExactPercentJson(s.rowAllRate[i] / 100).c_str());
    }
    std::printf("]");
    if (observed) std::printf(", \"observed\": %s", ObservedCountJson(*observed, s.enemyCount, fit).c_str());
    std::printf("}\n");
}

}  // namespace

int RunExactEstimate(const Options& options) {
    if (options.Has("--seed")) throw UsageError("--exact and --observed draw nothing: drop --seed");
    std::optional<BinomialCount> observed;
    if (auto text = options.Value("--observed")) observed = ParseObservedCount(*text);
    const bool percentGiven = options.Has("--first-strike") || options.Has("--shut-out");
    if (options.Has("--first-strike") && options.Has("--shut-out")) {
        throw UsageError("estimate takes one of --first-strike P and --shut-out P");
    }
    if (!percentGiven && !observed) throw UsageError("estimate takes one of --first-strike P, --shut-out P and --observed K/N");

    auto simulator = std::make_unique<SpeedSimulator>(0u);
    SpeedSimulator& s = *simulator;
    CliForm form;
    if (percentGiven) {
        SetAllyFields(form, options);
        const int32_t kind = SetEstimateFields(form, options);
        if (OnEstimateWith(s, form, kind, ExactSearch) != 0) return Refused(form.Label(kLabelEstimateStatus));
    } else {
        // The count in place of a percent: first strikes, or shut-outs of --enemies C.
        const std::vector<int32_t> speeds = ParseAllySpeeds(options.Required("--allies"));
        for (size_t n = 0; n < kAllyCount; ++n) s.allySpeed[n] = n < speeds.size() ? speeds[n] : 0;
        const int64_t enemies =
            options.Has("--enemies") ? ParseStrictInteger(*options.Value("--enemies"), INT32_MIN, INT32_MAX, "--enemies") : 1;
        if (enemies < 1 || enemies > kMaxEnemyCount) return Refused("敵の数が不正な値です");
        s.enemyCount = static_cast<int32_t>(enemies);
    }

    ObservedCountFit fit{};
    if (observed) {
        if (FitObservedCount(s, *observed, fit) != kEstimateOk) return Refused("味方の素早さが不正な値です");
        if (!percentGiven) {
            s.bestSpeed = fit.likeliest.speed;
            FillExactTable(s);
            WriteEstimateTable(s, form);
        }
    }

    if (options.Flag("--json")) {
        PrintJson(s, observed, fit);
        return 0;
    }
    PrintLine(form.Label(kLabelEstimateStatus));
    for (int i = 0; i < kTableRows; ++i) PrintLine(form.Label(kLabelTableFirstRow + i));
    if (observed) {
        for (const std::string& line : ObservedCountLines(*observed, s.enemyCount, fit)) PrintLine(line);
    }
    return 0;
}

}  // namespace kestavel::cli
