#include "cli/render/text/estimate_notes.h"

#include "cli/cli_messages.h"
#include "cli/render/text/exact_report.h"
#include "text/text_format.h"

namespace kestavel::cli {

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
                                     static_cast<long long>(observed.trials),
                                     ConsistentRangeText(a.countFit->consistentRange, kRangeInEnglish)})});
    }
    if (a.fasterNotTried) {
        notes.push_back({kNoteCodeFasterNotTried, FormatText(400, kNoteFasterNotTried, {a.fasterNotTried->cap,
                                                                                         a.fasterNotTried->highestChanging})});
    }
    return notes;
}

}  // namespace kestavel::cli
