#include "cli/command_line/subcommands/option_reading.h"

#include <algorithm>
#include <limits>
#include <thread>

#include "cli/cli_messages.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/usage_error.h"
#include "engine/input_ranges.h"
#include "text/text_format.h"

namespace kestavel::cli {

int32_t NumberOf(const Valued& value) { return ParseInt32(value.text, value.name); }

Format FormatOf(bool json, bool csv, bool svg) {
    if (json + csv + svg > 1) throw UsageError(kUsageOneFormat);
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
        if (speed.Given() || count.Given()) throw UsageError(kUsageListedGroup);
        group.listed = ParseEnemySpeeds(listed.text);
        group.count = CountOf(group.listed);
        return group;
    }
    if (!speed.Given() || !count.Given()) throw UsageError(FormatText(200, kUsageEnemyGroup, {command}));
    group.speed = NumberOf(speed);
    group.count = NumberOf(count);
    return group;
}

}  // namespace kestavel::cli
