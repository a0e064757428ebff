#include "analysis/rate_question.h"

#include <random>

#include "engine/exact/exact_group_rates.h"
#include "engine/mixed_trial_run.h"
#include "engine/trial_run.h"

namespace kestavel::analysis {

Outcome<RateAnswer> AnswerRate(const RateRequest& request) {
    if (std::optional<Refusal> refusal = GroupRefusal(request.enemies)) return *refusal;
    RateAnswer answer;
    answer.request = request;
    double allySpeed[kAllyCount];
    FillAllySpeeds(request.allies, allySpeed);
    const EnemyGroup& enemies = request.enemies;
    if (request.simulate) {
        std::mt19937 engine(request.seed);
        answer.simulated = enemies.Listed() ? SimulateMixedRun(allySpeed, enemies.Speeds(), engine)
                                            : SimulateRun(allySpeed, enemies.speed, enemies.count, engine);
    }
    if (request.exact) {
        answer.exact = enemies.Listed() ? ExactRatesForGroup(allySpeed, enemies.Speeds())
                                        : ExactRatesFor(allySpeed, enemies.speed, enemies.count);
    }
    return answer;
}

}  // namespace kestavel::analysis
