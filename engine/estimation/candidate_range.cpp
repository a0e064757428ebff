#include "engine/estimation/candidate_range.h"

#include <algorithm>

namespace kestavel {

CandidateRange FullCandidateRange(double bestAlly) {
    // Inside these bounds the conversions below are defined (a double far beyond int32's range,
    // or NaN, converts to no value at all).
    if (!(bestAlly > 0)) bestAlly = 0;
    if (bestAlly > 1000) bestAlly = 1000;
    CandidateRange range{};
    range.lowerSpeed = std::max(1, static_cast<int32_t>(bestAlly * 0.6));
    range.upperSpeed = 1 - static_cast<int32_t>(bestAlly / -0.6);
    return range;
}

CandidateRange CandidateRangeFor(double bestAlly) {
    CandidateRange range = FullCandidateRange(bestAlly);
    range.upperSpeed = std::min(range.upperSpeed, kHighestCandidateSpeed);
    return range;
}

}  // namespace kestavel
