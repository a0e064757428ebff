#include "engine/estimation/candidate_range.h"

namespace kestavel {

CandidateRange CandidateRangeFor(double bestAlly) {
    // Beyond these bounds the range is capped anyway; inside them the conversions below are
    // defined (a double far beyond int32's range, or NaN, converts to no value at all).
    if (!(bestAlly > 0)) bestAlly = 0;
    if (bestAlly > 1000) bestAlly = 1000;
    CandidateRange range{};
    range.lowerSpeed = static_cast<int32_t>(bestAlly * 0.6);
    if (range.lowerSpeed < 1) range.lowerSpeed = 1;
    range.upperSpeed = 1 - static_cast<int32_t>(bestAlly / -0.6);
    if (range.upperSpeed > kHighestCandidateSpeed) range.upperSpeed = kHighestCandidateSpeed;
    return range;
}

}  // namespace kestavel
