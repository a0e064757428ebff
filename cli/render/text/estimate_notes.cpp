#include "cli/render/text/estimate_notes.h"

#include "cli/cli_messages.h"
#include "text/text_format.h"

namespace kestavel::cli {

std::string ConsistentSpans(const ObservedCountFit& fit) {
    const std::vector<SpeedWithRate>& speeds = fit.consistent;
    if (speeds.empty()) return kSpansNone;
    std::string text;
    for (size_t i = 0; i < speeds.size();) {
        size_t last = i;
        while (last + 1 < speeds.size() && speeds[last + 1].speed == speeds[last].speed + 1) ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(speeds[i].speed);
        if (last > i) text += FormatText(100, kSpanTo, {speeds[last].speed});
        i = last + 1;
    }
    return text;
}

std::vector<Note> EstimateNotes(const analysis::EstimateAnswer& a) {
    std::vector<Note> notes;
    const CandidateRange& range = a.estimation.range;
    const int32_t best = a.estimation.bestSpeed;
    if (a.outOfReach) {
        const analysis::OutOfReachNote& n = *a.outOfReach;
        notes.push_back({kNoteCodeOutOfReach, FormatText(400, kNoteOutOfReach, {n.percent, range.lowerSpeed, n.highestPercent,
                                                                               range.upperSpeed, n.lowestPercent, best})});
    }
    if (a.bestOutsideCount) {
        const int32_t percent = a.request.firstStrike.value_or(a.request.shutOut.value_or(0));
        const BinomialCount& observed = *a.request.observed;
        notes.push_back({kNoteCodeDisagrees,
                         FormatText(400, kNoteObservedDisagrees,
                                    {best, percent, static_cast<long long>(observed.successes),
                                     static_cast<long long>(observed.trials), ConsistentSpans(a.countFit->fit)})});
    }
    return notes;
}

}  // namespace kestavel::cli
