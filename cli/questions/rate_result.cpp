#include "cli/questions/rate_result.h"

#include <cmath>
#include <memory>

#include "cli/cli_messages.h"
#include "cli/questions/cli_form.h"
#include "commands/control_ids.h"
#include "text/window_texts.h"
#include "commands/rate_command.h"
#include "engine/exact/exact_group_rates.h"
#include "engine/mixed_trial_run.h"
#include "engine/speed_simulator.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

// A listed group has no field in the window, so its lines are written here in the window's
// own formats: equal speeds read exactly as the window's calculation would show them.
Outcome<RateResult> RunListedRate(const RateInputs& inputs) {
    if (std::optional<Refusal> refusal = GroupRefusal(inputs.enemies)) return *refusal;
    const std::vector<double> speeds = inputs.enemies.Speeds();
    auto simulator = std::make_unique<SpeedSimulator>(inputs.seed);
    SpeedSimulator& s = *simulator;
    SetAllySpeeds(s.allySpeed, inputs.allies);
    RateResult result;
    result.inputs = inputs;
    if (inputs.simulate) {
        RunMixedTrials(s, speeds);
        result.shutOutWins = std::llround(s.winsAll);
        result.firstStrikeWins = std::llround(s.winsFirst);
        result.shutOutLine =
            FormatText(kTextBufferSize, messages::kShutOutResult, {inputs.enemies.count, s.winsAll / 1000.0});
        result.firstStrikeLine = FormatText(kTextBufferSize, messages::kFirstStrikeResult, {s.winsFirst / 1000.0});
    }
    result.exact = ExactRatesForGroup(s.allySpeed, speeds);
    return result;
}

}  // namespace

Outcome<RateResult> RunRate(const RateInputs& inputs) {
    if (inputs.enemies.Listed()) return RunListedRate(inputs);
    CliForm form;
    SetAllyFields(form, inputs.allies);
    form.SetField(kFieldEnemySpeed, std::to_string(inputs.enemies.speed));
    form.SetField(kFieldEnemyCount, std::to_string(inputs.enemies.count));
    auto simulator = std::make_unique<SpeedSimulator>(inputs.seed);
    SpeedSimulator& s = *simulator;
    if (OnCalculate(s, form) != 0) {
        // The calculation checks the speed first, then the count.
        if (inputs.enemies.speed < 1) {
            return RefusalOf(form.Label(kLabelShutOutResult), kAcceptedEnemySpeed, inputs.enemies.speed);
        }
        return RefusalOf(form.Label(kLabelShutOutResult), kAcceptedEnemyCount, inputs.enemies.count);
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
