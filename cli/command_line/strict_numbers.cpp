#include "cli/command_line/strict_numbers.h"

#include <algorithm>
#include <limits>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/usage_error.h"
#include "report/text/shown_text.h"
#include "engine/input_ranges.h"
#include "engine/trial_limits.h"

namespace kestavel::cli {

using report::Say;
using report::ShownArgument;

std::optional<int64_t> ReadStrictInteger(const std::string& text, int64_t min, int64_t max) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++i;
    if (i == text.size() || text.size() - i > 19) return std::nullopt;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > int64_t{1} << 40) return std::nullopt;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < min || value > max) return std::nullopt;
    return value;
}

void RefuseWholeNumber(const std::string& text, int64_t min, int64_t max, const std::string& what) {
    // The bounds as text: a seed's highest is beyond what %d holds.
    throw UsageError(
        Say("usage.notAWholeNumber", {what, std::to_string(min), std::to_string(max), ShownArgument(text.substr(0, 40))}));
}

int64_t ParseStrictInteger(const std::string& text, int64_t min, int64_t max, const std::string& what) {
    const std::optional<int64_t> value = ReadStrictInteger(text, min, max);
    if (!value) RefuseWholeNumber(text, min, max, what);
    return *value;
}

int32_t ParseInt32(const std::string& text, const std::string& what) {
    return static_cast<int32_t>(
        ParseStrictInteger(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), what));
}

namespace {

// Spaces, 、, full-width digits, periods: a list written the way a person writes one, which
// deserves to be told the form rather than which piece of it failed.
bool WrittenOtherwise(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ',' || c == '-' || c == '+';
        return !plain;
    });
}

std::vector<int32_t> ParseSpeedList(const std::string& text, const char* option, const std::string& what) {
    std::vector<int32_t> speeds;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::optional<int64_t> speed =
            ReadStrictInteger(item, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
        if (!speed && WrittenOtherwise(text)) {
            throw UsageError(Say("usage.speedList", {option, option, ShownArgument(text.substr(0, 40))}));
        }
        speeds.push_back(ParseInt32(item, what));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return speeds;
}

}  // namespace

std::vector<int32_t> ParseAllySpeeds(const std::string& text) {
    std::vector<int32_t> speeds = ParseSpeedList(text, "--allies", Say("usage.whatAllySpeed"));
    if (speeds.size() > kAllyCount) throw UsageError(Say("usage.tooManyAllies"));
    return speeds;
}

std::vector<int32_t> ParseEnemySpeeds(const std::string& text) {
    return ParseSpeedList(text, "--enemy-speeds", Say("usage.whatEnemySpeed"));
}

BinomialCount ParseObservedCount(const std::string& text) {
    const size_t slash = text.find('/');
    if (slash == std::string::npos) throw UsageError(Say("usage.observedForm", {ShownArgument(text.substr(0, 40))}));
    BinomialCount count{};
    count.trials = ParseStrictInteger(text.substr(slash + 1), kObservedEncountersRange.lowest,
                                      kObservedEncountersRange.highest, Say("usage.whatObservedN"));
    count.successes = ParseStrictInteger(text.substr(0, slash), 0, count.trials, Say("usage.whatObservedK"));
    return count;
}

}  // namespace kestavel::cli
