// need(request, lang): {allies, enemySpeed, enemies, enemySpeeds, firstStrike, shutOut, member}, one
// of the two percents and member null when not given. The answer has the CLI's JSON numbers
// under its keys, and the probabilities themselves for texts written from them.

#include <emscripten/bind.h>

#include "analysis/need_question.h"
#include "analysis/percent_text.h"
#include "report/result_csv.h"
#include "report/text/result_text.h"
#include "web/bindings/worded_outcome.h"

namespace kestavel::web {

namespace {

struct NeedRequestValue {
    val allies = val::null();
    val enemySpeed = val::null();
    val enemies = val::null();
    val enemySpeeds = val::null();
    val firstStrike = val::null();
    val shutOut = val::null();
    val member = val::null();
};

struct NeedAnswerValue {
    int32_t member = 0;
    bool reachable = false;
    int32_t speed = 0;
    double exactRateAtSpeed = 0;
    double exactRateOneBelow = 0;
    double exactRateLimit = 0;
    double rateAtSpeedProbability = 0;
    double rateOneBelowProbability = 0;
    double limitProbability = 0;
};

NeedAnswerValue NeedAnswerValueOf(const analysis::NeedAnswer& r) {
    return {r.member,
            r.found.reachable,
            r.found.speed,
            analysis::ExactPercentNumber(r.found.rateAtSpeed),
            analysis::ExactPercentNumber(r.found.rateOneBelow),
            analysis::ExactPercentNumber(r.found.limit),
            r.found.rateAtSpeed,
            r.found.rateOneBelow,
            r.found.limit};
}

val Need(const NeedRequestValue& in, const std::string& lang) {
    UseLanguageNamed(lang);
    const analysis::NeedRequest request{.allies = IntsOf(in.allies),
                                        .enemies = GroupOf(in.enemySpeed, in.enemies, in.enemySpeeds),
                                        .firstStrike = OptionalIntOf(in.firstStrike),
                                        .shutOut = OptionalIntOf(in.shutOut),
                                        .member = OptionalIntOf(in.member)};
    return WordedOutcome(analysis::AnswerNeed(request), NeedAnswerValueOf,
                         Writers<analysis::NeedAnswer>{report::NeedText, report::NeedJson, report::NeedCsv});
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestavel_need) {
    emscripten::value_object<NeedRequestValue>("NeedRequest")
        .field("allies", &NeedRequestValue::allies)
        .field("enemySpeed", &NeedRequestValue::enemySpeed)
        .field("enemies", &NeedRequestValue::enemies)
        .field("enemySpeeds", &NeedRequestValue::enemySpeeds)
        .field("firstStrike", &NeedRequestValue::firstStrike)
        .field("shutOut", &NeedRequestValue::shutOut)
        .field("member", &NeedRequestValue::member);
    emscripten::value_object<NeedAnswerValue>("NeedAnswer")
        .field("member", &NeedAnswerValue::member)
        .field("reachable", &NeedAnswerValue::reachable)
        .field("speed", &NeedAnswerValue::speed)
        .field("exactRateAtSpeed", &NeedAnswerValue::exactRateAtSpeed)
        .field("exactRateOneBelow", &NeedAnswerValue::exactRateOneBelow)
        .field("exactRateLimit", &NeedAnswerValue::exactRateLimit)
        .field("rateAtSpeedProbability", &NeedAnswerValue::rateAtSpeedProbability)
        .field("rateOneBelowProbability", &NeedAnswerValue::rateOneBelowProbability)
        .field("limitProbability", &NeedAnswerValue::limitProbability);
    emscripten::function("need", &Need);
}

}  // namespace kestavel::web
