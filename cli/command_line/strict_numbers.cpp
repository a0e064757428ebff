#include "cli/command_line/strict_numbers.h"

#include <limits>

#include "cli/cli_messages.h"
#include "cli/command_line/usage_error.h"
#include "engine/trial_limits.h"
#include "text/text_format.h"

namespace kestavel::cli {

int64_t ParseStrictInteger(const std::string& text, int64_t min, int64_t max, const std::string& what) {
    const auto refuse = [&] {
        throw UsageError(FormatText(400, kUsageNotAWholeNumber, {what, static_cast<long long>(min),
                                                                 static_cast<long long>(max), text.substr(0, 40)}));
    };
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++i;
    if (i == text.size() || text.size() - i > 19) refuse();
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') refuse();
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > int64_t{1} << 40) refuse();
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < min || value > max) refuse();
    return value;
}

int32_t ParseInt32(const std::string& text, const std::string& what) {
    return static_cast<int32_t>(
        ParseStrictInteger(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), what));
}

namespace {

std::vector<int32_t> ParseSpeedList(const std::string& text, const char* what) {
    std::vector<int32_t> speeds;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        speeds.push_back(ParseInt32(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), what));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return speeds;
}

}  // namespace

std::vector<int32_t> ParseAllySpeeds(const std::string& text) {
    std::vector<int32_t> speeds = ParseSpeedList(text, kWhatAllySpeed);
    if (speeds.size() > kAllyCount) throw UsageError(kUsageTooManyAllies);
    return speeds;
}

std::vector<int32_t> ParseEnemySpeeds(const std::string& text) { return ParseSpeedList(text, kWhatEnemySpeed); }

BinomialCount ParseObservedCount(const std::string& text) {
    const size_t slash = text.find('/');
    if (slash == std::string::npos) throw UsageError(FormatText(200, kUsageObservedForm, {text.substr(0, 40)}));
    BinomialCount count{};
    count.trials = ParseStrictInteger(text.substr(slash + 1), 1, kMostObservedEncounters, kWhatObservedN);
    count.successes = ParseStrictInteger(text.substr(0, slash), 0, count.trials, kWhatObservedK);
    return count;
}

}  // namespace kestavel::cli
