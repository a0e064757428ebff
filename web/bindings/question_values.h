#pragma once
// The estimate's and the curve's requests and outcomes as their own bindings read and write them:
// the staged runs' binding takes the same requests and gives the very same outcomes.

#include <emscripten/val.h>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"

namespace kestavel::web {

using emscripten::val;

analysis::EstimateRequest EstimateRequestOf(const val& request);
val EstimateOutcomeValue(const analysis::Outcome<analysis::EstimateAnswer>& outcome);

analysis::CurveRequest CurveRequestOf(const val& request);
val CurveOutcomeValue(const analysis::Outcome<analysis::CurveAnswer>& outcome);

}  // namespace kestavel::web
