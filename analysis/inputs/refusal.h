#pragma once
// Why a question was not answered: which input the model refuses, the range it takes and the
// value given. A front end words it.

#include <cstdint>
#include <optional>
#include <variant>

#include "engine/input_ranges.h"

namespace kestavel::analysis {

enum class RefusedInput {
    kEnemySpeed,          // an enemy's speed
    kEnemyCount,          // the number of enemies
    kObservedPercent,     // the rate observed, in percent
    kObservedEncounters,  // N of an observed count K of N
    kObservedSuccesses,   // K of it, from 0 to N
    kBestAllySpeed,       // the party's best speed, for the estimation's candidates
};

struct Refusal {
    RefusedInput input;
    int64_t lowest;
    std::optional<int64_t> highest;  // none: no upper bound
    int64_t given;
};

inline Refusal RefusalOutside(RefusedInput input, WholeRange range, int64_t given) {
    return {input, range.lowest, range.highest, given};
}

// A question's answer, or why there is none.
template <typename Answer>
using Outcome = std::variant<Answer, Refusal>;

}  // namespace kestavel::analysis
