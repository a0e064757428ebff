#pragma once
// Which enemy speeds explain a count the player kept in play, say 19 first strikes in 20
// fights: every candidate speed that the count does not rule out, and the likeliest one.

#include <cstdint>
#include <vector>

#include "engine/estimation/candidate_range.h"
#include "engine/exact/binomial_interval.h"
#include "engine/trial_limits.h"

namespace kestavel {

constexpr double kObservedConfidence = 0.95;

struct SpeedWithRate {
    int32_t speed;
    double probability;  // exact probability of the counted event at this enemy speed
};

struct ObservedCountFit {
    CandidateRange range;  // the speeds searched
    // The candidates whose exact probability lies in the count's two-sided 95 % Clopper-Pearson
    // interval, in ascending speed; possibly none.
    std::vector<SpeedWithRate> consistent;
    // The candidate of the highest likelihood p^K (1 - p)^(N - K); of equal likelihoods the
    // higher speed, as in the estimation's tie rule.
    SpeedWithRate likeliest;
};

// The counted event is the party's best member acting before every one of `enemyCount`
// enemies: a first strike when `enemyCount` is 1, a shut-out otherwise. The party's best speed
// lies in kBestAllySpeedRange and the count in kEnemyCountRange; `observed` holds
// 0 <= K <= N and N >= 1. Searches the speeds of `range`.
ObservedCountFit FitObservedCount(const double (&allySpeed)[kAllyCount], int32_t enemyCount, BinomialCount observed,
                                  const CandidateRange& range);

}  // namespace kestavel
