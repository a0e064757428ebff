#include "engine/exact/exact_group_rates.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/exact/unit_polynomial.h"
#include "engine/input_ranges.h"

namespace kestavel {

namespace {

// One linear factor per actor: the enemies' product has degree up to their count, the
// allies' adds one per ally.
constexpr int kMaxDegree = kAllyCount + kMaxEnemyCount;

// An actor's distribution function of the initiative x: its factor (x / speed) is uniform on
// [0.6, 1.0).
double InitiativeCdf(double speed, double x) { return std::clamp((x / speed - 0.6) / 0.4, 0.0, 1.0); }

// Multiplies `p` by each actor's distribution function over [start, end], linear there; false
// when one of them is 0 all through the piece, so that the product vanishes.
bool MultiplyByCdfs(std::vector<double>& p, const std::vector<double>& speeds, double start, double end) {
    for (double speed : speeds) {
        const double atStart = InitiativeCdf(speed, start);
        const double rise = std::max(InitiativeCdf(speed, end) - atStart, 0.0);
        if (atStart == 0 && rise == 0) return false;
        if (atStart == 1 && rise == 0) continue;
        MultiplyByLinear(p, atStart, rise);
    }
    return true;
}

// The chance that no ally beats the largest enemy initiative. Only where that largest one can
// lie, from 0.6 times the fastest enemy's speed to that speed, does the integral gather mass.
double ProbabilityPartyLosesToGroup(const std::vector<double>& allies, const std::vector<double>& enemies) {
    const double fastest = *std::max_element(enemies.begin(), enemies.end());
    const double low = 0.6 * fastest;
    std::vector<double> breaks = {low, fastest};
    for (const std::vector<double>* actors : {&allies, &enemies}) {
        for (double speed : *actors) {
            for (double x : {0.6 * speed, speed}) {
                if (x > low && x < fastest) breaks.push_back(x);
            }
        }
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    double loses = 0;
    std::vector<double> enemyProduct, poly;
    enemyProduct.reserve(kMaxDegree + 1);
    poly.reserve(kMaxDegree + 1);
    for (size_t piece = 0; piece + 1 < breaks.size(); ++piece) {
        const double start = breaks[piece];
        const double end = breaks[piece + 1];
        enemyProduct.assign(1, 1.0);
        if (!MultiplyByCdfs(enemyProduct, enemies, start, end)) continue;
        // The density of the largest enemy initiative in the piece's coordinate u: the
        // derivative of the product, so no width factor is left to apply.
        poly.assign(enemyProduct.size() > 1 ? enemyProduct.size() - 1 : 1, 0.0);
        for (size_t k = 1; k < enemyProduct.size(); ++k) poly[k - 1] = static_cast<double>(k) * enemyProduct[k];
        if (!MultiplyByCdfs(poly, allies, start, end)) continue;
        loses += IntegralOverPiece(poly);
    }
    return std::min(loses, 1.0);
}

bool IsValidGroup(std::span<const double> enemySpeeds) {
    if (!kEnemyCountRange.Holds(static_cast<double>(enemySpeeds.size()))) return false;
    return std::all_of(enemySpeeds.begin(), enemySpeeds.end(), [](double s) { return std::isfinite(s) && s >= kLowestEnemySpeed; });
}

}  // namespace

ExactRates ExactRatesForGroup(const double (&allySpeed)[kAllyCount], std::span<const double> enemySpeeds) {
    if (!IsValidGroup(enemySpeeds)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    const double first = enemySpeeds.front();
    const auto count = static_cast<int32_t>(enemySpeeds.size());
    if (std::all_of(enemySpeeds.begin(), enemySpeeds.end(), [first](double s) { return s == first; })) {
        return ExactRatesFor(allySpeed, first, count);
    }
    std::vector<double> allies;
    for (double speed : allySpeed) {
        if (speed > 0) allies.push_back(speed);
    }
    const std::vector<double> enemies(enemySpeeds.begin(), enemySpeeds.end());
    return {1 - ProbabilityPartyLosesToGroup(allies, enemies), ExactShutOutProbability(allySpeed, first, 1)};
}

}  // namespace kestavel
