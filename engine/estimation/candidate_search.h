#pragma once
// The one search behind every estimation: each candidate speed in ascending order gets a
// distance from what was observed, and the closest wins; of equal distances the later, higher
// speed. Only the distance differs: a simulated count's, an exact rate's, or an observed
// count's unlikelihood.

#include <cstdint>

#include "engine/estimation/candidate_range.h"

namespace kestavel {

// Where the search starts: no distance of a rate from 0 to 100 percent comes near it, so the
// first candidate always becomes the best so far.
inline constexpr double kDistanceBeforeAnyCandidate = 999999;

// Calls `distanceOf(speed)` once for each speed of `range`, lowest first, and returns the speed
// of the smallest distance (the higher of equals). When no distance comes within
// `startDistance`, the lowest speed.
template <typename DistanceOf>
int32_t ClosestCandidate(const CandidateRange& range, double startDistance, DistanceOf distanceOf) {
    double bestDistance = startDistance;
    int32_t bestSpeed = range.lowerSpeed;
    for (int32_t speed = range.lowerSpeed; speed <= range.upperSpeed; ++speed) {
        const double distance = distanceOf(speed);
        if (bestDistance >= distance) {
            bestDistance = distance;
            bestSpeed = speed;
        }
    }
    return bestSpeed;
}

}  // namespace kestavel
