#include "report/text/result_text.h"

#include <cmath>

#include "report/catalogue/catalogue.h"
#include "report/text/shown_text.h"
#include "report/text/exact_report.h"
#include "engine/run_counts.h"
#include "text/text_format.h"
#include "text/window_texts.h"

namespace kestavel::report {

namespace {

// A line of the window's, and one of the catalogue's (UTF-8 already).
std::string WindowLine(const std::string& windowText) { return ShownWindowText(windowText) + "\n"; }
std::string Line(const std::string& utf8) { return utf8 + "\n"; }

// A rate cut, not rounded, to one decimal, so that a rate short of a whole percent never
// reads as reaching it.
double CutPercent(double probability) { return std::floor(1000 * probability) / 10; }

}  // namespace

// The window's two result labels.
std::string RateText(const analysis::RateAnswer& r) {
    const int32_t enemies = r.request.enemies.count;
    std::string text;
    if (r.simulated) {
        const double shutOutWins = static_cast<double>(r.simulated->shutOutWins);
        const double firstStrikeWins = static_cast<double>(r.simulated->firstStrikeWins);
        text += WindowLine(FormatText(kTextBufferSize, messages::kShutOutResult, {enemies, PercentOfWins(shutOutWins)}));
        text += WindowLine(FormatText(kTextBufferSize, messages::kFirstStrikeResult, {PercentOfWins(firstStrikeWins)}));
    }
    if (r.exact) {
        for (const std::string& line : ExactRateLines(enemies, *r.exact)) text += Line(line);
    }
    return text;
}

// The window's table: its header and five rows. Where the window marks the best row in colour
// the text marks it after the row, and a row below speed 1, which has no run, is left blank
// (the window writes its zeros).
std::string EstimateText(const analysis::EstimateAnswer& r) {
    std::string text = WindowLine(FormatText(kTextBufferSize, messages::kEstimateTableHeader, {r.enemies}));
    for (const TableRow& row : r.estimation.table) {
        if (!row.run) {
            text += "\n";
            continue;
        }
        const bool best = row.speed == r.estimation.bestSpeed;
        const std::string shown = ShownWindowText(FormatText(kTextBufferSize, messages::kEstimateTableRow,
                                                       {row.speed, row.firstStrikeRate, row.shutOutRate}));
        text += Line(best ? shown + "\t" + Say("result.bestRow") : shown);
    }
    if (r.countFit) {
        for (const std::string& line : ObservedCountLines(*r.request.observed, r.enemies, *r.countFit)) text += Line(line);
    }
    return text;
}

std::string CurveText(const analysis::CurveAnswer& r) {
    const int32_t enemies = r.request.enemies;
    std::string header = Say("curve.speed") + "\t" + Say("curve.exactFirstStrike") + "\t" + Say("curve.exactShutOut", {enemies});
    if (r.request.simulate) header += "\t" + Say("curve.firstStrike") + "\t" + Say("curve.shutOut", {enemies});
    if (const std::optional<BinomialCount>& observed = r.request.observed) {
        const long long successes = observed->successes, trials = observed->trials;
        header += "\t" + (enemies == 1 ? Say("curve.observedFirstStrikes", {successes, trials})
                                       : Say("curve.observedShutOuts", {enemies, successes, trials}));
    }
    std::string text = Line(header);
    for (const analysis::CurvePoint& p : r.points) {
        std::string row = FormatText(200, "%d\t%.4f\t%.4f", {p.speed, 100 * p.exact.firstStrike, 100 * p.exact.shutOut});
        if (r.request.simulate) {
            row += FormatText(200, "\t%.1f\t%.1f", {PercentOfWins(static_cast<double>(p.firstStrikeWins)), PercentOfWins(static_cast<double>(p.shutOutWins))});
        }
        if (r.request.observed) row += "\t" + (p.consistent ? Say("curve.consistent") : "-");
        text += Line(row);
    }
    return text;
}

std::string NeedText(const analysis::NeedAnswer& r) {
    const SpeedNeeded& f = r.found;
    const std::string name =
        r.request.shutOut ? Say("need.shutOutName", {r.request.enemies.count}) : Say("need.firstStrikeName");
    if (f.reachable) {
        return Line(Say("need.reached", {r.member, f.speed, name, CutPercent(f.rateAtSpeed), f.speed - 1, CutPercent(f.rateOneBelow)}));
    }
    const int32_t target = r.request.shutOut.value_or(r.request.firstStrike.value_or(0));
    return Line(Say("need.unreached", {r.member, name, target, f.speed, CutPercent(f.rateAtSpeed), f.speed - 1,
                                       CutPercent(f.rateOneBelow)})) +
           Line(Say("need.limit", {name, 100 * f.limit}));
}

}  // namespace kestavel::report
