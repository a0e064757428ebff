#pragma once
// The estimate's and the curve's requests and outcomes as their own bindings read and write them:
// the staged runs' binding takes the same requests and gives the very same outcomes.

#include <emscripten/val.h>

#include <string>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"

namespace kestavel::web {

using emscripten::val;

analysis::EstimateRequest EstimateRequestOf(const val& request);
// What estimate(request, lang) gives for the outcome: its numbers and the CLI's outputs in `lang`.
val EstimateOutcomeValue(const analysis::Outcome<analysis::EstimateAnswer>& outcome, const std::string& lang);

analysis::CurveRequest CurveRequestOf(const val& request);
// What curve(request, lang) gives for the outcome.
val CurveOutcomeValue(const analysis::Outcome<analysis::CurveAnswer>& outcome, const std::string& lang);

}  // namespace kestavel::web
