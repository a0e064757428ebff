// curve(request, lang): {allies, enemies, enemySpeeds, vary, from, to, simulate, seed, observed}, from
// and to null for every speed at which the rates can change, observed null or {successes,
// encounters}. The points carry the CLI's JSON numbers under its keys, and the counts.

#include <emscripten/bind.h>

#include "analysis/curve_question.h"
#include "analysis/percent_text.h"
#include "engine/trials/trial_path.h"
#include "report/curve_svg.h"
#include "report/result_csv.h"
#include "report/text/result_text.h"
#include "web/bindings/question_values.h"
#include "web/bindings/worded_outcome.h"

namespace kestavel::web {

namespace {

struct CurveRequestValue {
    val allies = val::null();
    int32_t enemies = 1;
    val enemySpeeds = val::null();
    int32_t vary = 0;
    val from = val::null();
    val to = val::null();
    bool simulate = false;
    uint32_t seed = 0;
    val observed = val::null();
};

struct CurveAnswerValue {
    int32_t from = 0;
    int32_t to = 0;
    val seed = val::null();
    val trialPath = val::null();
    val points = val::null();
};

CurveAnswerValue CurveAnswerValueOf(const analysis::CurveAnswer& r) {
    CurveAnswerValue v;
    v.from = r.from;
    v.to = r.to;
    if (r.request.simulate) {
        v.seed = val(r.request.seed);
        v.trialPath = val(std::string(TrialPathName(r.path)));
    }
    v.points = val::array();
    for (const analysis::CurvePoint& p : r.points) {
        val entry = val::object();
        entry.set("speed", p.speed);
        entry.set("exactFirstStrikeRate", analysis::ExactPercentNumber(p.exact.firstStrike));
        entry.set("exactShutOutRate", analysis::ExactPercentNumber(p.exact.shutOut));
        if (r.request.simulate) {
            entry.set("simulatedFirstStrikeRate", analysis::SimulatedPercentNumber(p.firstStrikeWins));
            entry.set("simulatedShutOutRate", analysis::SimulatedPercentNumber(p.shutOutWins));
            entry.set("firstStrikeWins", static_cast<double>(p.firstStrikeWins));
            entry.set("shutOutWins", static_cast<double>(p.shutOutWins));
        }
        if (r.request.observed) entry.set("consistent", p.consistent);
        v.points.call<void>("push", entry);
    }
    return v;
}

analysis::CurveRequest RequestOf(const CurveRequestValue& in) {
    const std::optional<BinomialCount> observed = ObservedCountOf(in.observed);
    analysis::CurveRequest request{.allies = IntsOf(in.allies),
                                   .enemies = in.enemies,
                                   .listed = IntsOf(in.enemySpeeds),
                                   .vary = in.vary,
                                   .from = OptionalIntOf(in.from),
                                   .to = OptionalIntOf(in.to),
                                   .simulate = in.simulate,
                                   .seed = in.seed,
                                   .observed = observed};
    if (!request.listed.empty()) request.enemies = static_cast<int32_t>(request.listed.size());
    return request;
}

val Curve(const CurveRequestValue& in, const std::string& lang) {
    return CurveOutcomeValue(analysis::AnswerCurve(RequestOf(in)), lang);
}

}  // namespace

analysis::CurveRequest CurveRequestOf(const val& request) { return RequestOf(request.as<CurveRequestValue>()); }

val CurveOutcomeValue(const analysis::Outcome<analysis::CurveAnswer>& outcome, const std::string& lang) {
    UseLanguageNamed(lang);
    return WordedOutcome(outcome, CurveAnswerValueOf,
                         Writers<analysis::CurveAnswer>{report::CurveText, report::CurveJson, report::CurveCsv, report::CurveSvg});
}

EMSCRIPTEN_BINDINGS(kestavel_curve) {
    emscripten::value_object<CurveRequestValue>("CurveRequest")
        .field("allies", &CurveRequestValue::allies)
        .field("enemies", &CurveRequestValue::enemies)
        .field("enemySpeeds", &CurveRequestValue::enemySpeeds)
        .field("vary", &CurveRequestValue::vary)
        .field("from", &CurveRequestValue::from)
        .field("to", &CurveRequestValue::to)
        .field("simulate", &CurveRequestValue::simulate)
        .field("seed", &CurveRequestValue::seed)
        .field("observed", &CurveRequestValue::observed);
    emscripten::value_object<CurveAnswerValue>("CurveAnswer")
        .field("from", &CurveAnswerValue::from)
        .field("to", &CurveAnswerValue::to)
        .field("seed", &CurveAnswerValue::seed)
        .field("trialPath", &CurveAnswerValue::trialPath)
        .field("points", &CurveAnswerValue::points);
    emscripten::function("curve", &Curve);
}

}  // namespace kestavel::web
