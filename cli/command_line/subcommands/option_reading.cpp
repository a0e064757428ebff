#include "cli/command_line/subcommands/option_reading.h"

#include <algorithm>
#include <limits>
#include <thread>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/seed.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/usage_error.h"
#include "engine/input_ranges.h"

namespace kestavel::cli {

using report::Say;

int32_t NumberOf(const Valued& value) { return ParseInt32(value.text, value.name); }

int32_t ObservedPercentOf(const Valued& value) {
    const std::optional<int64_t> percent =
        ReadStrictInteger(value.text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    if (!percent) RefuseWholeNumber(value.text, kObservedPercentRange.lowest, kObservedPercentRange.highest, value.name);
    return static_cast<int32_t>(*percent);
}

uint32_t SeedOf(const Valued& seed, bool draws, CommandLine& line) {
    if (seed.Given()) return ParseSeed(seed.text);
    if (!draws) return 0;
    line.drawnSeed = DrawSeed();
    return *line.drawnSeed;
}

Format FormatOf(bool json, bool csv, bool svg) {
    if (json + csv + svg > 1) throw UsageError(Say("usage.oneFormat"));
    return json ? Format::kJson : csv ? Format::kCsv : svg ? Format::kSvg : Format::kText;
}

int32_t ThreadsOf(const Valued& threads) {
    if (threads.Given()) {
        return static_cast<int32_t>(
            ParseStrictInteger(threads.text, kThreadCountRange.lowest, kThreadCountRange.highest, threads.name));
    }
    // 0 when the system cannot tell.
    const int64_t cores = std::thread::hardware_concurrency();
    return static_cast<int32_t>(std::clamp(cores, kThreadCountRange.lowest, kThreadCountRange.highest));
}

int32_t CountOf(const std::vector<int32_t>& listed) {
    return static_cast<int32_t>(std::min<size_t>(listed.size(), std::numeric_limits<int32_t>::max()));
}

analysis::EnemyGroup GroupOf(const Valued& speed, const Valued& count, const Valued& listed, const char* command) {
    analysis::EnemyGroup group;
    if (listed.Given()) {
        if (speed.Given() || count.Given()) throw UsageError(Say("usage.listedGroup"));
        group.listed = ParseEnemySpeeds(listed.text);
        group.count = CountOf(group.listed);
        return group;
    }
    if (!speed.Given() || !count.Given()) throw UsageError(Say("usage.enemyGroup", {command}));
    group.speed = NumberOf(speed);
    group.count = NumberOf(count);
    return group;
}

}  // namespace kestavel::cli
