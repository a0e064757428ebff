#pragma once
// The results as CSV (RFC 4180: CRLF line ends, a header row, fields quoted when needed).

#include <string>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "analysis/need_question.h"
#include "analysis/rate_question.h"

namespace kestavel::report {

std::string RateCsv(const analysis::RateAnswer& answer);
std::string EstimateCsv(const analysis::EstimateAnswer& answer);
std::string CurveCsv(const analysis::CurveAnswer& answer);
std::string NeedCsv(const analysis::NeedAnswer& answer);

}  // namespace kestavel::report
