#include "analysis/inputs/observed_count.h"

namespace kestavel::analysis {

std::optional<Refusal> ObservedCountRefusal(const std::optional<BinomialCount>& observed) {
    if (!observed) return std::nullopt;
    if (!kObservedEncountersRange.Holds(static_cast<double>(observed->trials))) {
        return RefusalOutside(RefusedInput::kObservedEncounters, kObservedEncountersRange, observed->trials);
    }
    const WholeRange successes{0, observed->trials};
    if (!successes.Holds(static_cast<double>(observed->successes))) {
        return RefusalOutside(RefusedInput::kObservedSuccesses, successes, observed->successes);
    }
    return std::nullopt;
}

}  // namespace kestavel::analysis
