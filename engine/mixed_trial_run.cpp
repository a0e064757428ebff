#include "engine/mixed_trial_run.h"

#include "engine/initiative.h"
#include "engine/input_ranges.h"

namespace kestavel {

RunCounts SimulateMixedRun(const double (&allySpeed)[kAllyCount], std::span<const double> enemySpeeds,
                           std::mt19937& engine) {
    RunCounts counts;
    if (!kEnemyCountRange.Holds(static_cast<double>(enemySpeeds.size()))) return counts;

    for (int trial = kTrialsPerRun; trial > 0; --trial) {
        double allyBest = 0;
        for (double speed : allySpeed) {
            const double x = DrawInitiativeFactor(engine) * speed;
            if (x > allyBest) allyBest = x;
        }
        double enemyBest = 0;
        double firstEnemy = 0;
        for (size_t j = 0; j < enemySpeeds.size(); ++j) {
            const double y = DrawInitiativeFactor(engine) * enemySpeeds[j];
            if (j == 0) firstEnemy = y;
            if (y > enemyBest) enemyBest = y;
        }
        if (allyBest > enemyBest) ++counts.shutOutWins;
        if (allyBest > firstEnemy) ++counts.firstStrikeWins;
    }
    return counts;
}

}  // namespace kestavel
