#pragma once
// The enemy speeds an estimation tries: every speed at which a trial can go either way for the
// party's best member, up to the cap.

#include <cstdint>

#include "engine/input_ranges.h"

namespace kestavel {

struct CandidateRange {
    int32_t lowerSpeed;
    int32_t upperSpeed;
    int32_t Count() const { return upperSpeed - lowerSpeed + 1; }
};

// max(1, ⌊0.6 b⌋) to min(199, ⌊b / 0.6⌋ + 1) for a best ally speed b: any double, NaN and
// the infinities included (taken as 0 and as very fast).
CandidateRange CandidateRangeFor(double bestAlly);

}  // namespace kestavel
