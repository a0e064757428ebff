#pragma once
// The plain, obviously right model of a run and of an estimation, written straight from the
// rules with its own std::mt19937: the oracle that every engine is held to, count for count.

#include <cmath>
#include <cstdint>
#include <random>

namespace kestavel::reference {

struct Counts {
    long winsAll = 0;
    long winsFirst = 0;
};

inline double FactorOf(uint32_t r) { return ((r * (1.0 / 4294967296.0)) * 0.4) + 0.6; }

inline double Factor(std::mt19937& engine) { return FactorOf(static_cast<uint32_t>(engine())); }

inline Counts Run(std::mt19937& engine, const double (&allies)[5], double enemySpeed, int enemyCount) {
    Counts counts;
    for (int trial = 0; trial < 100000; ++trial) {
        double allyBest = 0;
        for (double speed : allies) {
            const double x = Factor(engine) * speed;
            if (x > allyBest) allyBest = x;
        }
        double enemyBest = 0;
        double firstEnemy = 0;
        for (int j = 0; j < enemyCount; ++j) {
            const double y = Factor(engine) * enemySpeed;
            if (j == 0) firstEnemy = y;
            if (y > enemyBest) enemyBest = y;
        }
        if (allyBest > enemyBest) ++counts.winsAll;
        if (allyBest > firstEnemy) ++counts.winsFirst;
    }
    return counts;
}

struct Estimate {
    int bestSpeed = 0;
    int rowSpeed[5] = {};
    Counts rows[5];
};

// Kind 1 matches the first-strike count, kind 2 the shut-out count; the inputs are valid.
inline Estimate EstimateSpeed(std::mt19937& engine, const double (&allies)[5], int enemyCount, int kind, double target) {
    double bestAlly = 0;
    for (double speed : allies) bestAlly = speed > bestAlly ? speed : bestAlly;
    int lower = static_cast<int>(bestAlly * 0.6);
    if (lower < 1) lower = 1;
    int upper = static_cast<int>(bestAlly / 0.6) + 1;
    if (upper > 199) upper = 199;

    Estimate result;
    result.bestSpeed = lower;
    double bestDistance = 999999;
    for (int s = lower; s <= upper; ++s) {
        const Counts c = Run(engine, allies, s, enemyCount);
        const double distance = std::abs(target * 1000 - static_cast<double>(kind == 1 ? c.winsFirst : c.winsAll));
        if (distance <= bestDistance) {
            bestDistance = distance;
            result.bestSpeed = s;
        }
    }
    for (int i = 0; i < 5; ++i) {
        const int v = result.bestSpeed - 2 + i;
        result.rowSpeed[i] = v < 1 ? 0 : v;
        if (v >= 1) result.rows[i] = Run(engine, allies, v, enemyCount);
    }
    return result;
}

}  // namespace kestavel::reference
