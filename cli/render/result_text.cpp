#include "cli/render/result_text.h"

#include "cli/render/exact_report.h"
#include <cmath>

#include "cli/cli_messages.h"
#include "cli/output/terminal_text.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

std::string Line(const std::string& cp932) { return ShownText(cp932) + "\n"; }

// A rate cut, not rounded, to one decimal, so that a rate short of a whole percent never
// reads as reaching it.
double CutPercent(double probability) { return std::floor(1000 * probability) / 10; }

}  // namespace

std::string RateText(const RateResult& r) {
    std::string text = r.inputs.simulate ? Line(r.shutOutLine) + Line(r.firstStrikeLine) : std::string();
    if (r.exact) {
        for (const std::string& line : ExactRateLines(r.inputs.enemies.count, *r.exact)) text += Line(line);
    }
    return text;
}

std::string EstimateText(const EstimateResult& r) {
    std::string text = Line(r.headerLine);
    for (const std::string& row : r.rowLines) text += Line(row);
    if (r.fit) {
        for (const std::string& line : ObservedCountLines(*r.inputs.observed, r.enemies, *r.fit)) text += Line(line);
    }
    return text;
}

std::string CurveText(const CurveResult& r) {
    const int32_t enemies = r.inputs.enemies;
    std::string header = FormatText(200, kCurveHeader, {enemies});
    if (r.inputs.simulate) header += FormatText(200, kCurveSimulatedHeader, {enemies});
    if (r.inputs.observed) {
        header += FormatText(200, kCurveObservedHeader, {static_cast<long long>(r.inputs.observed->successes),
                                                   static_cast<long long>(r.inputs.observed->trials)});
    }
    std::string text = Line(header);
    for (const CurvePoint& p : r.points) {
        std::string row = FormatText(200, "%d\t%.4f\t%.4f", {p.speed, 100 * p.exact.firstStrike, 100 * p.exact.shutOut});
        if (r.inputs.simulate) {
            row += FormatText(200, "\t%.1f\t%.1f", {p.firstStrikeWins / 1000.0, p.shutOutWins / 1000.0});
        }
        if (r.inputs.observed) row += p.consistent ? kCurveConsistent : "\t-";
        text += Line(row);
    }
    return text;
}

std::string NeedText(const NeedResult& r) {
    const SpeedNeeded& f = r.found;
    const std::string name = r.inputs.shutOut ? FormatText(100, kNeedShutOutName, {r.inputs.enemies.count})
                                              : std::string(kNeedFirstStrikeName);
    if (f.reachable) {
        return Line(FormatText(300, kNeedReached, {r.member, f.speed, name, CutPercent(f.rateAtSpeed), f.speed - 1,
                                                   CutPercent(f.rateOneBelow)}));
    }
    const int32_t target = r.inputs.shutOut.value_or(r.inputs.firstStrike.value_or(0));
    return Line(FormatText(300, kNeedUnreached, {r.member, name, target, f.speed, CutPercent(f.rateAtSpeed), f.speed - 1,
                                                 CutPercent(f.rateOneBelow)})) +
           Line(FormatText(300, kNeedLimit, {name, 100 * f.limit}));
}

std::string NotesText(const std::vector<Note>& notes) {
    std::string text;
    for (const Note& note : notes) text += std::string(kProgramPrefix) + kNotePrefix + note.message + "\n";
    return text;
}

}  // namespace kestavel::cli
