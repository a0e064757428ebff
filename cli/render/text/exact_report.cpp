#include "cli/render/text/exact_report.h"

#include "cli/cli_messages.h"
#include "text/text_format.h"

namespace kestavel::cli {

const RangeWording kRangeInWindowStyle = {kConsistentNone, kConsistentEverySpeed, kSpanAndSlower, kSpanAndFaster,
                                          kSpanFromTo};
const RangeWording kRangeInEnglish = {kSpansNone, kSpansEverySpeed, kSpanOrLess, kSpanOrMore, kSpanTo};

std::string ConsistentRangeText(const std::optional<analysis::ConsistentRange>& range, const RangeWording& words) {
    if (!range) return words.none;
    if (range->EverySpeed()) return words.everySpeed;
    if (!range->highest) return FormatText(kTextBufferSize, words.orMore, {range->lowest});
    const int32_t highest = *range->highest;
    if (highest == range->lowest) return std::to_string(highest);
    if (range->lowest == 1) return FormatText(kTextBufferSize, words.orLess, {highest});
    return FormatText(kTextBufferSize, words.fromTo, {range->lowest, highest});
}

std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates) {
    return {FormatText(kTextBufferSize, kExactShutOutLine, {enemyCount, 100 * rates.shutOut}),
            FormatText(kTextBufferSize, kExactFirstStrikeLine, {100 * rates.firstStrike})};
}

std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const analysis::CountFit& fit) {
    std::vector<std::string> lines;
    if (enemyCount == 1) {
        lines.push_back(FormatText(kTextBufferSize, kObservedFirstStrikes, {observed.successes, observed.trials}));
    } else {
        lines.push_back(FormatText(kTextBufferSize, kObservedShutOuts,
                                   {enemyCount, observed.successes, observed.trials}));
    }
    lines.push_back(FormatText(200, kConsistentSpeeds, {ConsistentRangeText(fit.consistentRange, kRangeInWindowStyle)}));
    // The counted event's rate: the shut-out of `enemyCount`, a first strike for one enemy.
    lines.push_back(FormatText(200, fit.andEveryFaster ? kLikeliestAndFaster : kLikeliestSpeed,
                               {fit.likeliest.speed, 100 * fit.likeliest.rates.shutOut}));
    return lines;
}

}  // namespace kestavel::cli
