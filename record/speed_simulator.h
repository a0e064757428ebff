#pragma once
// The one record of the window's data: the engine's inputs, counters and results, the random
// source and the enemy roster. The Windows program has a single static instance, built before
// its entry point runs; tests make their own, seeded as they choose.

#include <cstdint>
#include <random>

#include "engine/estimation/estimate_table.h"
#include "engine/initiative.h"
#include "engine/trial_limits.h"
#include "roster/roster_table.h"

namespace kestavel {

struct SpeedSimulator {
    // Seeds the engine with one value from `randomDevice`.
    SpeedSimulator();
    // Seeds the engine with `seed` by the engine's standard single-value seeding, so that a
    // seed fixes every result.
    explicit SpeedSimulator(uint32_t seed);

    ~SpeedSimulator();
    SpeedSimulator(const SpeedSimulator&) = delete;
    SpeedSimulator& operator=(const SpeedSimulator&) = delete;

    int32_t enemyCount;
    double allySpeed[kAllyCount];
    double enemySpeed;
    double candidateSpeed;
    double bestSpeed;
    std::random_device randomDevice;
    std::mt19937* engine;  // never null; owned by the record
    double winsAll;
    double winsFirst;
    double targetAllRate;
    double targetFirstRate;
    int32_t rowSpeed[kTableRows];
    double rowAllRate[kTableRows];
    double rowFirstRate[kTableRows];
    RosterTable roster;
};

// Sets every number of the record to zero, the roster's numbers and row count included. The
// engine, its position and the roster's texts stay as they are.
void ResetSimulator(SpeedSimulator& simulator);

// The largest of 0 and the five ally speeds: the party's best speed.
inline double BestAllySpeed(const SpeedSimulator& simulator) { return BestAllySpeed(simulator.allySpeed); }

inline double DrawInitiativeFactor(SpeedSimulator& simulator) { return DrawInitiativeFactor(*simulator.engine); }

}  // namespace kestavel
