#pragma once
// The results as a terminal shows them, UTF-8: the window's own lines as the window words them,
// and the lines it does not have in the language in use.

#include <string>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "analysis/need_question.h"
#include "analysis/rate_question.h"
#include "report/text/estimate_notes.h"

namespace kestavel::report {

std::string RateText(const analysis::RateAnswer& answer);
std::string EstimateText(const analysis::EstimateAnswer& answer);
std::string CurveText(const analysis::CurveAnswer& answer);
std::string NeedText(const analysis::NeedAnswer& answer);

}  // namespace kestavel::report
