#include "engine/exact/exact_rates.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/exact/unit_polynomial.h"
#include "engine/input_ranges.h"

namespace kestavel {

namespace {

// A linear factor per ally times t^(n-1), n up to the most enemies.
constexpr int kMaxDegree = kAllyCount + kMaxEnemyCount - 1;

// One present ally seen from the enemy's side: its distribution function at the enemy
// initiative e (0.6 + 0.4 t) is ratio (0.6 + 0.4 t) / 0.4 - 1.5 with ratio = e / a, cut to
// [0, 1].
struct AllyInEnemyTerms {
    double ratio;
    double ZeroAt() const { return 1.5 * (1 / ratio - 1); }      // where the ally's distribution leaves 0
    double OneAt() const { return 2.5 / ratio - 1.5; }           // where it reaches 1
    double At(double t) const { return std::clamp(ratio * (0.6 + 0.4 * t) / 0.4 - 1.5, 0.0, 1.0); }
};

double Binomial(int n, int k) {
    double b = 1;
    for (int j = 1; j <= k; ++j) b = b * (n - k + j) / j;
    return b;
}

// The chance that no ally beats the largest of `enemyCount` enemy initiatives.
double ProbabilityPartyLoses(const std::vector<AllyInEnemyTerms>& allies, int32_t enemyCount) {
    std::vector<double> breaks = {0.0, 1.0};
    for (const AllyInEnemyTerms& ally : allies) {
        for (double t : {ally.ZeroAt(), ally.OneAt()}) {
            if (t > 0 && t < 1) breaks.push_back(t);
        }
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    const int power = enemyCount - 1;
    double loses = 0;
    std::vector<double> poly;
    poly.reserve(kMaxDegree + 1);
    for (size_t piece = 0; piece + 1 < breaks.size(); ++piece) {
        const double start = breaks[piece];
        const double width = breaks[piece + 1] - start;
        // Weight n (start + width u)^(n-1), expanded in u.
        poly.assign(static_cast<size_t>(power) + 1, 0.0);
        for (int k = 0; k <= power; ++k) {
            poly[k] = enemyCount * Binomial(power, k) * std::pow(start, power - k) * std::pow(width, k);
        }
        bool vanishes = false;
        for (const AllyInEnemyTerms& ally : allies) {
            const double atStart = ally.At(start);
            const double rise = ally.At(start + width) - atStart;
            if (atStart == 0 && rise <= 0) {
                vanishes = true;
                break;
            }
            if (atStart == 1 && rise == 0) continue;
            MultiplyByLinear(poly, atStart, std::max(rise, 0.0));
        }
        if (vanishes) continue;
        loses += width * IntegralOverPiece(poly);
    }
    return std::min(loses, 1.0);
}

bool IsValidEnemy(double enemySpeed, int32_t enemyCount) {
    return std::isfinite(enemySpeed) && enemySpeed >= kLowestEnemySpeed && kEnemyCountRange.Holds(enemyCount);
}

std::vector<AllyInEnemyTerms> PresentAllies(const double (&allySpeed)[kAllyCount], double enemySpeed) {
    std::vector<AllyInEnemyTerms> allies;
    for (double speed : allySpeed) {
        if (speed > 0) allies.push_back({enemySpeed / speed});
    }
    return allies;
}

}  // namespace

double ExactShutOutProbability(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount) {
    if (!IsValidEnemy(enemySpeed, enemyCount)) return std::numeric_limits<double>::quiet_NaN();
    return 1 - ProbabilityPartyLoses(PresentAllies(allySpeed, enemySpeed), enemyCount);
}

ExactRates ExactRatesFor(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount) {
    return {ExactShutOutProbability(allySpeed, enemySpeed, enemyCount), ExactShutOutProbability(allySpeed, enemySpeed, 1)};
}

}  // namespace kestavel
