#include "cli/rate_result.h"

#include <cmath>
#include <memory>

#include "cli/cli_form.h"
#include "commands/cli_messages.h"
#include "commands/control_ids.h"
#include "commands/rate_command.h"
#include "engine/speed_simulator.h"

namespace kestavel::cli {

Outcome<RateResult> RunRate(const RateInputs& inputs) {
    CliForm form;
    SetAllyFields(form, inputs.allies);
    form.SetField(kFieldEnemySpeed, std::to_string(inputs.enemySpeed));
    form.SetField(kFieldEnemyCount, std::to_string(inputs.enemies));
    auto simulator = std::make_unique<SpeedSimulator>(inputs.seed);
    SpeedSimulator& s = *simulator;
    if (OnCalculate(s, form) != 0) {
        // The calculation checks the speed first, then the count.
        if (inputs.enemySpeed < 1) return RefusalOf(form.Label(kLabelShutOutResult), kAcceptedEnemySpeed, inputs.enemySpeed);
        return RefusalOf(form.Label(kLabelShutOutResult), kAcceptedEnemyCount, inputs.enemies);
    }
    RateResult result;
    result.inputs = inputs;
    result.shutOutLine = form.Label(kLabelShutOutResult);
    result.firstStrikeLine = form.Label(kLabelFirstStrikeResult);
    result.shutOutWins = std::llround(s.winsAll);
    result.firstStrikeWins = std::llround(s.winsFirst);
    if (inputs.exact) result.exact = ExactRatesFor(s.allySpeed, s.enemySpeed, s.enemyCount);
    return result;
}

}  // namespace kestavel::cli
