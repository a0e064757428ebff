#include "engine/mixed_trial_run.h"

#include "engine/trial_limits.h"
#include "engine/trials/trial_path.h"

namespace kestavel {

void RunMixedTrials(SpeedSimulator& s, std::span<const double> enemySpeeds) {
    s.winsAll = 0;
    s.winsFirst = 0;
    if (enemySpeeds.empty() || enemySpeeds.size() > kMaxEnemyCount) return;
    NoteTrialPathRun(TrialPath::kPlain);

    for (int trial = kTrialsPerRun; trial > 0; --trial) {
        double allyBest = 0;
        for (double speed : s.allySpeed) {
            const double x = DrawInitiativeFactor(s) * speed;
            if (x > allyBest) allyBest = x;
        }
        double enemyBest = 0;
        double firstEnemy = 0;
        for (size_t j = 0; j < enemySpeeds.size(); ++j) {
            const double y = DrawInitiativeFactor(s) * enemySpeeds[j];
            if (j == 0) firstEnemy = y;
            if (y > enemyBest) enemyBest = y;
        }
        if (allyBest > enemyBest) s.winsAll += 1;
        if (allyBest > firstEnemy) s.winsFirst += 1;
    }
}

}  // namespace kestavel
