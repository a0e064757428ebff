#include "analysis/inputs/observed_count.h"

namespace kestavel::analysis {

std::optional<Refusal> ObservedCountRefusal(const std::optional<BinomialCount>& observed) {
    if (!observed) return std::nullopt;
    if (!kObservedEncountersRange.Holds(static_cast<double>(observed->trials))) {
        return RefusalOutside(RefusedInput::kObservedEncounters, kObservedEncountersRange, observed->trials);
    }
    if (observed->successes < 0 || observed->successes > observed->trials) {
        return Refusal{RefusedInput::kObservedSuccesses, 0, observed->trials, observed->successes};
    }
    return std::nullopt;
}

}  // namespace kestavel::analysis
