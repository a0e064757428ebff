#include "report/text/estimate_notes.h"

#include "report/catalogue/catalogue.h"
#include "report/text/exact_report.h"

namespace kestavel::report {

std::vector<Note> EstimateNotes(const analysis::EstimateAnswer& a) {
    std::vector<Note> notes;
    const CandidateRange& range = a.estimation.range;
    const int32_t best = a.estimation.bestSpeed;
    if (a.outOfReach) {
        const analysis::OutOfReachNote& n = *a.outOfReach;
        notes.push_back({"outOfReach", Say("note.outOfReach", {n.percent, range.lowerSpeed, n.highestPercent, range.upperSpeed,
                                                               n.lowestPercent, best})});
    }
    if (a.bestOutsideCount) {
        const int32_t percent = a.request.firstStrike.value_or(a.request.shutOut.value_or(0));
        const BinomialCount& observed = *a.request.observed;
        notes.push_back({"observedDisagrees",
                         Say("note.observedDisagrees", {best, percent, static_cast<long long>(observed.successes),
                                                        static_cast<long long>(observed.trials),
                                                        ConsistentRangeText(a.countFit->consistentRange)})});
    }
    if (a.fasterNotTried) {
        notes.push_back({"fasterNotTried", Say("note.fasterNotTried", {a.fasterNotTried->cap, a.fasterNotTried->highestChanging})});
    }
    return notes;
}

}  // namespace kestavel::report
