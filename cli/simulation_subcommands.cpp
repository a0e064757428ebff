// `rate` and `estimate`: the window's two calculations, run through the same form commands.

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>

#include "cli/cli_form.h"
#include "cli/exact_estimate_subcommand.h"
#include "cli/exact_report.h"
#include "cli/options.h"
#include "cli/subcommand_support.h"
#include "cli/subcommands.h"
#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "commands/rate_command.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/exact/exact_rates.h"
#include "engine/speed_simulator.h"

namespace kestavel::cli {

namespace {

// A simulator seeded with --seed, or from the random device without it.
std::unique_ptr<SpeedSimulator> MakeSimulator(const Options& options) {
    if (auto seed = options.Value("--seed")) {
        return std::make_unique<SpeedSimulator>(static_cast<uint32_t>(ParseStrictInteger(*seed, 0, 4294967295LL, "--seed")));
    }
    return std::make_unique<SpeedSimulator>();
}

}  // namespace

int RunRate(const std::vector<std::string>& args) {
    const Options options(args, {"--allies", "--enemy-speed", "--enemies", "--seed"}, {"--json", "--exact"});
    if (!options.Positional().empty()) throw UsageError("unexpected argument " + options.Positional().front());
    CliForm form;
    SetAllyFields(form, options);
    form.SetField(kFieldEnemySpeed, NumberField(options, "--enemy-speed"));
    form.SetField(kFieldEnemyCount, NumberField(options, "--enemies"));
    auto simulator = MakeSimulator(options);

    if (OnCalculate(*simulator, form) != 0) return Refused(form.Label(kLabelShutOutResult));
    std::optional<ExactRates> exact;
    if (options.Flag("--exact")) exact = ExactRatesFor(simulator->allySpeed, simulator->enemySpeed, simulator->enemyCount);
    if (options.Flag("--json")) {
        std::printf("{\"winsAll\": %lld, \"winsFirst\": %lld, \"shutOutRate\": %s, \"firstStrikeRate\": %s%s}\n",
                    std::llround(simulator->winsAll), std::llround(simulator->winsFirst),
                    RateJson(simulator->winsAll).c_str(), RateJson(simulator->winsFirst).c_str(),
                    exact ? ExactRatesJsonFields(*exact).c_str() : "");
    } else {
        PrintLine(form.Label(kLabelShutOutResult));
        PrintLine(form.Label(kLabelFirstStrikeResult));
        if (exact) {
            for (const std::string& line : ExactRateLines(simulator->enemyCount, *exact)) PrintLine(line);
        }
    }
    return 0;
}

int RunEstimate(const std::vector<std::string>& args) {
    const Options options(args, {"--first-strike", "--shut-out", "--enemies", "--allies", "--seed", "--observed"},
                          {"--json", "--exact"});
    if (!options.Positional().empty()) throw UsageError("unexpected argument " + options.Positional().front());
    if (options.Flag("--exact") || options.Has("--observed")) return RunExactEstimate(options);
    if (options.Has("--first-strike") == options.Has("--shut-out")) {
        throw UsageError("estimate takes one of --first-strike P and --shut-out P");
    }
    CliForm form;
    SetAllyFields(form, options);
    const int32_t kind = SetEstimateFields(form, options);
    auto simulator = MakeSimulator(options);

    if (isatty(STDERR_FILENO)) form.EchoToTerminal(kLabelEstimateStatus);
    const int32_t result = OnEstimate(*simulator, form, kind);
    form.EndEcho();
    if (result != 0) return Refused(form.Label(kLabelEstimateStatus));

    if (options.Flag("--json")) {
        std::printf("{\"bestSpeed\": %lld, \"rows\": [", std::llround(simulator->bestSpeed));
        for (int i = 0; i < kTableRows; ++i) {
            std::printf("%s{\"speed\": %d, \"firstStrikeRate\": %s, \"shutOutRate\": %s}", i ? ", " : "",
                        simulator->rowSpeed[i], RateJson(simulator->rowFirstRate[i] * 1000).c_str(),
                        RateJson(simulator->rowAllRate[i] * 1000).c_str());
        }
        std::printf("]}\n");
    } else {
        PrintLine(form.Label(kLabelEstimateStatus));
        for (int i = 0; i < kTableRows; ++i) PrintLine(form.Label(kLabelTableFirstRow + i));
    }
    return 0;
}

}  // namespace kestavel::cli
