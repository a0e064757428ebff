#include "cli/subcommand_support.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "cli/cp932_to_utf8.h"
#include "cli/subcommands.h"
#include "commands/control_ids.h"
#include "engine/enemy_speed_estimation.h"

namespace kestavel::cli {

void SetAllyFields(CliForm& form, const Options& options) {
    const std::vector<int32_t> speeds = ParseAllySpeeds(options.Required("--allies"));
    for (size_t n = 0; n < 5; ++n) {
        form.SetField(kFieldFirstAllySpeed + static_cast<int>(n), n < speeds.size() ? std::to_string(speeds[n]) : "");
    }
}

int32_t SetEstimateFields(CliForm& form, const Options& options) {
    if (options.Has("--first-strike")) {
        if (options.Has("--enemies")) throw UsageError("--first-strike estimates against one enemy: drop --enemies");
        form.SetField(kFieldObservedFirstStrike, NumberField(options, "--first-strike"));
        return kMatchFirstStrike;
    }
    form.SetField(kFieldShutOutEnemyCount, NumberField(options, "--enemies"));
    form.SetField(kFieldObservedShutOut, NumberField(options, "--shut-out"));
    return kMatchShutOut;
}

std::string NumberField(const Options& options, const std::string& name) {
    return std::to_string(ParseStrictInteger(options.Required(name), INT32_MIN, INT32_MAX, name));
}

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

}  // namespace kestavel::cli
