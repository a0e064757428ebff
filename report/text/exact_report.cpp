#include "report/text/exact_report.h"

#include "report/catalogue/catalogue.h"

namespace kestavel::report {

std::string ConsistentRangeText(const std::optional<analysis::ConsistentRange>& range) {
    if (!range) return Say("span.none");
    if (range->EverySpeed()) return Say("span.everySpeed");
    if (!range->highest) return Say("span.orMore", {range->lowest});
    const int32_t highest = *range->highest;
    if (highest == range->lowest) return std::to_string(highest);
    if (range->lowest == 1) return Say("span.orLess", {highest});
    return Say("span.fromTo", {range->lowest, highest});
}

std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates) {
    return {Say("result.exactShutOut", {enemyCount, 100 * rates.shutOut}),
            Say("result.exactFirstStrike", {100 * rates.firstStrike})};
}

std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const analysis::CountFit& fit) {
    std::vector<std::string> lines;
    if (enemyCount == 1) {
        lines.push_back(Say("result.observedFirstStrikes", {observed.successes, observed.trials}));
    } else {
        lines.push_back(Say("result.observedShutOuts", {enemyCount, observed.successes, observed.trials}));
    }
    lines.push_back(Say("result.consistentSpeeds", {ConsistentRangeText(fit.consistentRange)}));
    // The counted event's rate: the shut-out of `enemyCount`, a first strike for one enemy.
    const double percent = 100 * fit.likeliest.rates.shutOut;
    lines.push_back(fit.andEveryFaster ? Say("result.likeliestAndFaster", {fit.likeliest.speed, percent})
                                       : Say("result.likeliest", {fit.likeliest.speed, percent}));
    return lines;
}

}  // namespace kestavel::report
