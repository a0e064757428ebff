// rate(request, lang): {allies, enemySpeed, enemies, enemySpeeds, simulate, exact, seed} gives
// {answer, refusal} and the CLI's outputs (worded_outcome.h); the answer's numbers are the CLI's JSON numbers under its keys, null for
// what was not asked, and the exact probabilities themselves for texts written from them.

#include <emscripten/bind.h>

#include "analysis/percent_text.h"
#include "analysis/rate_question.h"
#include "engine/trials/trial_path.h"
#include "report/result_csv.h"
#include "report/text/result_text.h"
#include "web/bindings/worded_outcome.h"

namespace kestavel::web {

namespace {

struct RateRequestValue {
    val allies = val::null();
    val enemySpeed = val::null();
    val enemies = val::null();
    val enemySpeeds = val::null();
    bool simulate = false;
    bool exact = false;
    uint32_t seed = 0;
};

struct RateAnswerValue {
    val seed = val::null();
    val trialPath = val::null();
    val shutOutWins = val::null();
    val firstStrikeWins = val::null();
    val simulatedShutOutRate = val::null();
    val simulatedFirstStrikeRate = val::null();
    val exactShutOutRate = val::null();
    val exactFirstStrikeRate = val::null();
    val exactShutOutProbability = val::null();
    val exactFirstStrikeProbability = val::null();
};

RateAnswerValue RateAnswerValueOf(const analysis::RateAnswer& r) {
    RateAnswerValue v;
    if (r.simulated) {
        v.seed = val(r.request.seed);
        v.trialPath = val(std::string(TrialPathName(r.simulated->path)));
        v.shutOutWins = val(static_cast<double>(r.simulated->shutOutWins));
        v.firstStrikeWins = val(static_cast<double>(r.simulated->firstStrikeWins));
        v.simulatedShutOutRate = val(analysis::SimulatedPercentNumber(r.simulated->shutOutWins));
        v.simulatedFirstStrikeRate = val(analysis::SimulatedPercentNumber(r.simulated->firstStrikeWins));
    }
    if (r.exact) {
        v.exactShutOutRate = val(analysis::ExactPercentNumber(r.exact->shutOut));
        v.exactFirstStrikeRate = val(analysis::ExactPercentNumber(r.exact->firstStrike));
        v.exactShutOutProbability = val(r.exact->shutOut);
        v.exactFirstStrikeProbability = val(r.exact->firstStrike);
    }
    return v;
}

val Rate(const RateRequestValue& in, const std::string& lang) {
    UseLanguageNamed(lang);
    const analysis::RateRequest request{.allies = IntsOf(in.allies),
                                        .enemies = GroupOf(in.enemySpeed, in.enemies, in.enemySpeeds),
                                        .simulate = in.simulate,
                                        .exact = in.exact,
                                        .seed = in.seed};
    return WordedOutcome(analysis::AnswerRate(request), RateAnswerValueOf,
                         Writers<analysis::RateAnswer>{report::RateText, report::RateJson, report::RateCsv});
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestavel_rate) {
    emscripten::value_object<RateRequestValue>("RateRequest")
        .field("allies", &RateRequestValue::allies)
        .field("enemySpeed", &RateRequestValue::enemySpeed)
        .field("enemies", &RateRequestValue::enemies)
        .field("enemySpeeds", &RateRequestValue::enemySpeeds)
        .field("simulate", &RateRequestValue::simulate)
        .field("exact", &RateRequestValue::exact)
        .field("seed", &RateRequestValue::seed);
    emscripten::value_object<RateAnswerValue>("RateAnswer")
        .field("seed", &RateAnswerValue::seed)
        .field("trialPath", &RateAnswerValue::trialPath)
        .field("shutOutWins", &RateAnswerValue::shutOutWins)
        .field("firstStrikeWins", &RateAnswerValue::firstStrikeWins)
        .field("simulatedShutOutRate", &RateAnswerValue::simulatedShutOutRate)
        .field("simulatedFirstStrikeRate", &RateAnswerValue::simulatedFirstStrikeRate)
        .field("exactShutOutRate", &RateAnswerValue::exactShutOutRate)
        .field("exactFirstStrikeRate", &RateAnswerValue::exactFirstStrikeRate)
        .field("exactShutOutProbability", &RateAnswerValue::exactShutOutProbability)
        .field("exactFirstStrikeProbability", &RateAnswerValue::exactFirstStrikeProbability);
    emscripten::function("rate", &Rate);
}

}  // namespace kestavel::web
