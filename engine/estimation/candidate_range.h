#pragma once
// The enemy speeds an estimation tries for the party's best speed b. At 0.6 b and below the
// party always wins (no enemy initiative reaches 0.6 b), from b / 0.6 on it always loses, and
// every speed between can go either way. The full range holds all of those and a certain
// outcome at each end, so what holds at an end holds for every speed beyond it; the window's
// range is the same, cut at kHighestCandidateSpeed.

#include <cstdint>

#include "engine/input_ranges.h"

namespace kestavel {

struct CandidateRange {
    int32_t lowerSpeed;
    int32_t upperSpeed;
    int32_t Count() const { return upperSpeed - lowerSpeed + 1; }
};

// max(1, ⌊0.6 b⌋) to ⌊b / 0.6⌋ + 1 for a best ally speed b: any double, NaN and the infinities
// included (taken as 0 and as 1000; every estimation takes best speeds up to 199). Speed 1 is
// the lower end where there is no slower speed, and it need not be certain (b = 1).
CandidateRange FullCandidateRange(double bestAlly);

// The window's candidates: the full range up to kHighestCandidateSpeed.
CandidateRange CandidateRangeFor(double bestAlly);

}  // namespace kestavel
