#pragma once
// Which enemy speeds explain a count the player kept in play, say 19 first strikes in 20
// fights: every candidate speed that the count does not rule out, and the likeliest one.

#include <cstdint>
#include <vector>

#include "engine/exact/binomial_interval.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/speed_simulator.h"

namespace kestavel {

constexpr double kObservedConfidence = 0.95;

struct SpeedWithRate {
    int32_t speed;
    double probability;  // exact probability of the counted event at this enemy speed
};

struct ObservedCountFit {
    CandidateRange range;  // the estimation's candidate range
    // The candidates whose exact probability lies in the count's two-sided 95 % Clopper-Pearson
    // interval, in ascending speed; possibly none.
    std::vector<SpeedWithRate> consistent;
    // The candidate of the highest likelihood p^K (1 - p)^(N - K); of equal likelihoods the
    // higher speed, as in the estimation's tie rule.
    SpeedWithRate likeliest;
};

// The counted event is the party's best member acting before every one of `enemyCount`
// enemies: a first strike when `enemyCount` is 1, a shut-out otherwise. Reads `allySpeed`
// and `enemyCount` only. Returns kEstimateOk with `fit` filled, or kEstimateEnemyCountInvalid
// or kEstimateAllySpeedInvalid under the estimation's conditions. `observed` must hold
// 0 <= K <= N and N >= 1.
int32_t FitObservedCount(const SpeedSimulator& simulator, BinomialCount observed, ObservedCountFit& fit);

}  // namespace kestavel
