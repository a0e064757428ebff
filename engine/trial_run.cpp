#include "engine/trial_run.h"

#include "engine/text/debug_trace.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

void RunTrials(SpeedSimulator& s, double runEnemySpeed) {
    TrialSession session(s);
    session.Run(runEnemySpeed);
}

void RunTrialsPlain(SpeedSimulator& s, double runEnemySpeed) {
    s.winsAll = 0;
    s.winsFirst = 0;
    if (s.enemyCount < 1 || s.enemyCount > kMaxEnemyCount) return;

    double enemyInitiative[kMaxEnemyCount] = {};
    for (int trial = kTrialsPerRun; trial > 0; --trial) {
        double allyBest = 0;
        double enemyBest = 0;
        for (double speed : s.allySpeed) {
            const double x = DrawInitiativeFactor(s) * speed;
            if (x > allyBest) allyBest = x;
        }
        for (int j = 0; j < s.enemyCount; ++j) {
            const double y = DrawInitiativeFactor(s) * runEnemySpeed;
            enemyInitiative[j] = y;
            if (y > enemyBest) enemyBest = y;
        }
        if (allyBest > enemyBest) s.winsAll += 1;
        if (allyBest > enemyInitiative[0]) s.winsFirst += 1;
    }
}

int32_t CalculateRates(SpeedSimulator& s) {
    if (s.enemySpeed < 1) return kRateEnemySpeedInvalid;
    if (s.enemyCount < 1 || s.enemyCount > kMaxEnemyCount) return kRateEnemyCountInvalid;
    RunTrials(s, s.enemySpeed);
    DebugPrint("%.0f\t%.0f\n", s.winsAll, s.winsFirst);
    return kRateOk;
}

}  // namespace kestavel
