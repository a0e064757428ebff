#include "cli/exact_report.h"

#include "engine/text/text_format.h"

namespace kestavel::cli {

namespace {

// "43～47, 50": runs of consecutive speeds. A run that starts at the lowest candidate with a
// certain win also holds every slower enemy ("60以下"), one that ends at the highest with a
// certain loss every faster enemy ("124以上").
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
            text += std::to_string(speeds[last].speed) + "以下";
        } else if (fasterToo) {
            text += std::to_string(speeds[i].speed) + "以上";
        } else {
            text += std::to_string(speeds[i].speed);
            if (last > i) text += "～" + std::to_string(speeds[last].speed);
        }
        i = last + 1;
    }
    return text;
}

}  // namespace

std::vector<std::string> ExactRateLines(int32_t enemyCount, const ExactRates& rates) {
    return {FormatText(kTextBufferSize, "%d体 完封率(理論値): %.4f％", {enemyCount, 100 * rates.shutOut}),
            FormatText(kTextBufferSize, "個別先制率(理論値): %.4f％", {100 * rates.firstStrike})};
}

std::vector<std::string> ObservedCountLines(BinomialCount observed, int32_t enemyCount, const ObservedCountFit& fit) {
    std::vector<std::string> lines;
    if (enemyCount == 1) {
        lines.push_back(FormatText(kTextBufferSize, "観測: 先制 %d/%d回", {observed.successes, observed.trials}));
    } else {
        lines.push_back(FormatText(kTextBufferSize, "観測: %d体完封 %d/%d回",
                                   {enemyCount, observed.successes, observed.trials}));
    }
    lines.push_back(std::string("95％水準で矛盾しない敵素早: ") + (fit.consistent.empty() ? "なし" : SpeedSpans(fit)));
    lines.push_back(FormatText(kTextBufferSize, "最尤の敵素早: %d (%.4f％)",
                               {fit.likeliest.speed, 100 * fit.likeliest.probability}));
    return lines;
}

}  // namespace kestavel::cli
