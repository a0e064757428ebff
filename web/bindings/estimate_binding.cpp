// estimate(request, lang): {allies, firstStrike, shutOut, enemies, observed, exact, seed}, with null
// for a percent or a count not given (observed: {successes, encounters}; exact true with it, as
// the CLI's --observed implies --exact). The answer has the CLI's JSON numbers under its keys, the
// notes as their values; the CLI's outputs beside it (worded_outcome.h).

#include <emscripten/bind.h>

#include "analysis/estimate_question.h"
#include "analysis/percent_text.h"
#include "engine/run_counts.h"
#include "engine/trials/trial_path.h"
#include "report/result_csv.h"
#include "report/text/result_text.h"
#include "web/bindings/question_values.h"
#include "web/bindings/worded_outcome.h"

namespace kestavel::web {

namespace {

struct EstimateRequestValue {
    val allies = val::null();
    val firstStrike = val::null();
    val shutOut = val::null();
    int32_t enemies = 1;
    val observed = val::null();
    bool exact = false;
    uint32_t seed = 0;
};

struct EstimateAnswerValue {
    int32_t enemies = 1;
    val seed = val::null();
    val trialPath = val::null();
    val candidateRange = val::null();
    int32_t bestSpeed = 0;
    val rows = val::null();
    val observed = val::null();
    val outOfReach = val::null();
    bool bestOutsideCount = false;
    val fasterNotTried = val::null();
};

val ExactRatesValue(const ExactRates& rates) {
    val v = val::object();
    v.set("exactFirstStrikeRate", analysis::ExactPercentNumber(rates.firstStrike));
    v.set("exactShutOutRate", analysis::ExactPercentNumber(rates.shutOut));
    return v;
}

val FittingSpeedValue(const analysis::FittingSpeed& s) {
    val v = ExactRatesValue(s.rates);
    v.set("speed", s.speed);
    return v;
}

val FitValue(const analysis::CountFit& fit) {
    val consistent = val::array();
    for (const analysis::FittingSpeed& s : fit.consistent) consistent.call<void>("push", FittingSpeedValue(s));
    val range = val::null();
    if (fit.consistentRange) {
        range = val::object();
        range.set("lowest", fit.consistentRange->lowest);
        range.set("highest", OrNull(fit.consistentRange->highest));
    }
    val likeliest = FittingSpeedValue(fit.likeliest);
    likeliest.set("andEveryFaster", fit.andEveryFaster);
    val v = val::object();
    v.set("consistentSpeeds", consistent);
    v.set("consistentRange", range);
    v.set("likeliest", likeliest);
    return v;
}

val RowsValue(const analysis::EstimateAnswer& r) {
    val rows = val::array();
    for (const TableRow& row : r.estimation.table) {
        val entry = val::object();
        entry.set("speed", row.speed);
        entry.set("run", row.run);
        if (row.run && r.request.exact) {
            entry.set("exactFirstStrikeRate", analysis::ExactPercentNumber(row.firstStrikeRate / 100));
            entry.set("exactShutOutRate", analysis::ExactPercentNumber(row.shutOutRate / 100));
        } else if (row.run) {
            entry.set("simulatedFirstStrikeRate", PercentOfWins(static_cast<double>(row.firstStrikeWins)));
            entry.set("simulatedShutOutRate", PercentOfWins(static_cast<double>(row.shutOutWins)));
        }
        rows.call<void>("push", entry);
    }
    return rows;
}

EstimateAnswerValue EstimateAnswerValueOf(const analysis::EstimateAnswer& r) {
    EstimateAnswerValue v;
    v.enemies = r.enemies;
    if (!r.request.exact) {
        v.seed = val(r.request.seed);
        v.trialPath = val(std::string(TrialPathName(r.estimation.path)));
    }
    v.candidateRange = val::object();
    v.candidateRange.set("lowest", r.estimation.range.lowerSpeed);
    v.candidateRange.set("highest", r.estimation.range.upperSpeed);
    v.bestSpeed = r.estimation.bestSpeed;
    v.rows = RowsValue(r);
    if (r.countFit) v.observed = FitValue(*r.countFit);
    if (r.outOfReach) {
        v.outOfReach = val::object();
        v.outOfReach.set("percent", r.outOfReach->percent);
        v.outOfReach.set("highestPercent", r.outOfReach->highestPercent);
        v.outOfReach.set("lowestPercent", r.outOfReach->lowestPercent);
    }
    v.bestOutsideCount = r.bestOutsideCount;
    if (r.fasterNotTried) {
        v.fasterNotTried = val::object();
        v.fasterNotTried.set("cap", r.fasterNotTried->cap);
        v.fasterNotTried.set("highestChanging", r.fasterNotTried->highestChanging);
    }
    return v;
}

analysis::EstimateRequest RequestOf(const EstimateRequestValue& in) {
    const std::optional<BinomialCount> observed = ObservedCountOf(in.observed);
    analysis::EstimateRequest request{.allies = IntsOf(in.allies),
                                            .firstStrike = OptionalIntOf(in.firstStrike),
                                            .shutOut = OptionalIntOf(in.shutOut),
                                            .enemies = in.enemies,
                                            .observed = observed,
                                            .exact = in.exact,
                                            .seed = in.seed};
    return request;
}

val Estimate(const EstimateRequestValue& in, const std::string& lang) {
    return EstimateOutcomeValue(analysis::AnswerEstimate(RequestOf(in)), lang);
}

}  // namespace

analysis::EstimateRequest EstimateRequestOf(const val& request) { return RequestOf(request.as<EstimateRequestValue>()); }

val EstimateOutcomeValue(const analysis::Outcome<analysis::EstimateAnswer>& outcome, const std::string& lang) {
    UseLanguageNamed(lang);
    return WordedOutcome(outcome, EstimateAnswerValueOf,
                         Writers<analysis::EstimateAnswer>{report::EstimateText, report::EstimateJson, report::EstimateCsv});
}

EMSCRIPTEN_BINDINGS(kestavel_estimate) {
    emscripten::value_object<EstimateRequestValue>("EstimateRequest")
        .field("allies", &EstimateRequestValue::allies)
        .field("firstStrike", &EstimateRequestValue::firstStrike)
        .field("shutOut", &EstimateRequestValue::shutOut)
        .field("enemies", &EstimateRequestValue::enemies)
        .field("observed", &EstimateRequestValue::observed)
        .field("exact", &EstimateRequestValue::exact)
        .field("seed", &EstimateRequestValue::seed);
    emscripten::value_object<EstimateAnswerValue>("EstimateAnswer")
        .field("enemies", &EstimateAnswerValue::enemies)
        .field("seed", &EstimateAnswerValue::seed)
        .field("trialPath", &EstimateAnswerValue::trialPath)
        .field("candidateRange", &EstimateAnswerValue::candidateRange)
        .field("bestSpeed", &EstimateAnswerValue::bestSpeed)
        .field("rows", &EstimateAnswerValue::rows)
        .field("observed", &EstimateAnswerValue::observed)
        .field("outOfReach", &EstimateAnswerValue::outOfReach)
        .field("bestOutsideCount", &EstimateAnswerValue::bestOutsideCount)
        .field("fasterNotTried", &EstimateAnswerValue::fasterNotTried);
    emscripten::function("estimate", &Estimate);
}

}  // namespace kestavel::web
