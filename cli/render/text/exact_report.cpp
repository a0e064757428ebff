#include "cli/render/text/exact_report.h"

#include "cli/cli_messages.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

// "43～47, 50": runs of consecutive speeds. A run that starts at the lowest candidate with a
// certain win also holds every slower enemy, one that ends at the highest with a certain loss
// every faster enemy.
std::string SpeedSpans(const ObservedCountFit& fit) {
    const std::vector<SpeedWithRate>& speeds = fit.consistent;
    std::string text;
    for (size_t i = 0; i < speeds.size();) {
        size_t last = i;
        while (last + 1 < speeds.size() && speeds[last + 1].speed == speeds[last].speed + 1) ++last;
        const bool slowerToo = speeds[i].speed == fit.range.lowerSpeed && speeds[i].probability == 1;
        const bool fasterToo = speeds[last].speed == fit.range.upperSpeed && speeds[last].probability == 0;
        if (!text.empty()) text += ", ";
        if (slowerToo) {
            text += FormatText(kTextBufferSize, kSpanAndSlower, {speeds[last].speed});
        } else if (fasterToo) {
            text += FormatText(kTextBufferSize, kSpanAndFaster, {speeds[i].speed});
        } else {
            text += last > i ? FormatText(kTextBufferSize, kSpanFromTo, {speeds[i].speed, speeds[last].speed})
                             : std::to_string(speeds[i].speed);
        }
        i = last + 1;
    }
    return text;
}

}  // namespace

std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates) {
    return {FormatText(kTextBufferSize, kExactShutOutLine, {enemyCount, 100 * rates.shutOut}),
            FormatText(kTextBufferSize, kExactFirstStrikeLine, {100 * rates.firstStrike})};
}

std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const ObservedCountFit& fit) {
    std::vector<std::string> lines;
    if (enemyCount == 1) {
        lines.push_back(FormatText(kTextBufferSize, kObservedFirstStrikes, {observed.successes, observed.trials}));
    } else {
        lines.push_back(FormatText(kTextBufferSize, kObservedShutOuts,
                                   {enemyCount, observed.successes, observed.trials}));
    }
    lines.push_back(FormatText(1000, kConsistentSpeeds, {fit.consistent.empty() ? std::string(kConsistentNone) : SpeedSpans(fit)}));
    lines.push_back(FormatText(kTextBufferSize, kLikeliestSpeed,
                               {fit.likeliest.speed, 100 * fit.likeliest.probability}));
    return lines;
}

}  // namespace kestavel::cli
