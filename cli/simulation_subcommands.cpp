// `rate` and `estimate`: the window's two calculations, run through the same form commands.

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>

#include "cli/cli_form.h"
#include "cli/cp932_to_utf8.h"
#include "cli/options.h"
#include "cli/subcommands.h"
#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "commands/rate_command.h"
#include "engine/enemy_speed_estimation.h"
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

// The five ally fields: the values given, then empty fields.
void SetAllyFields(CliForm& form, const Options& options) {
    const std::vector<int32_t> speeds = ParseAllySpeeds(options.Required("--allies"));
    for (size_t n = 0; n < 5; ++n) {
        form.SetField(kFieldFirstAllySpeed + static_cast<int>(n), n < speeds.size() ? std::to_string(speeds[n]) : "");
    }
}

// A field holding a strictly parsed 32-bit number.
std::string NumberField(const Options& options, const std::string& name) {
    return std::to_string(ParseStrictInteger(options.Required(name), INT32_MIN, INT32_MAX, name));
}

// A count of trials as a rate in percent: count / 1000, exactly, as a JSON number.
std::string RateJson(double count) {
    const long long whole = std::llround(count);
    std::string fraction = std::to_string(1000 + whole % 1000).substr(1);
    while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
    return std::to_string(whole / 1000) + "." + fraction;
}

void PrintLine(const std::string& cp932) { std::printf("%s\n", Cp932ToUtf8(cp932).c_str()); }

int Refused(const std::string& cp932Message) {
    std::fprintf(stderr, "%s\n", Cp932ToUtf8(cp932Message).c_str());
    return kExitRefused;
}

}  // namespace

int RunRate(const std::vector<std::string>& args) {
    const Options options(args, {"--allies", "--enemy-speed", "--enemies", "--seed"}, {"--json"});
    if (!options.Positional().empty()) throw UsageError("unexpected argument " + options.Positional().front());
    CliForm form;
    SetAllyFields(form, options);
    form.SetField(kFieldEnemySpeed, NumberField(options, "--enemy-speed"));
    form.SetField(kFieldEnemyCount, NumberField(options, "--enemies"));
    auto simulator = MakeSimulator(options);

    if (OnCalculate(*simulator, form) != 0) return Refused(form.Label(kLabelShutOutResult));
    if (options.Flag("--json")) {
        std::printf("{\"winsAll\": %lld, \"winsFirst\": %lld, \"shutOutRate\": %s, \"firstStrikeRate\": %s}\n",
                    std::llround(simulator->winsAll), std::llround(simulator->winsFirst),
                    RateJson(simulator->winsAll).c_str(), RateJson(simulator->winsFirst).c_str());
    } else {
        PrintLine(form.Label(kLabelShutOutResult));
        PrintLine(form.Label(kLabelFirstStrikeResult));
    }
    return 0;
}

int RunEstimate(const std::vector<std::string>& args) {
    const Options options(args, {"--first-strike", "--shut-out", "--enemies", "--allies", "--seed"}, {"--json"});
    if (!options.Positional().empty()) throw UsageError("unexpected argument " + options.Positional().front());
    if (options.Has("--first-strike") == options.Has("--shut-out")) {
        throw UsageError("estimate takes one of --first-strike P and --shut-out P");
    }
    CliForm form;
    SetAllyFields(form, options);
    int32_t kind = kMatchFirstStrike;
    if (options.Has("--first-strike")) {
        if (options.Has("--enemies")) throw UsageError("--first-strike estimates against one enemy: drop --enemies");
        form.SetField(kFieldObservedFirstStrike, NumberField(options, "--first-strike"));
    } else {
        kind = kMatchShutOut;
        form.SetField(kFieldShutOutEnemyCount, NumberField(options, "--enemies"));
        form.SetField(kFieldObservedShutOut, NumberField(options, "--shut-out"));
    }
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
