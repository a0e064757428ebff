#pragma once
// The results as CSV (RFC 4180: CRLF line ends, a header row, fields quoted when needed).

#include <string>

#include "cli/questions/curve_result.h"
#include "cli/questions/estimate_result.h"
#include "cli/questions/need_result.h"
#include "cli/questions/rate_result.h"

namespace kestavel::cli {

std::string RateCsv(const RateResult& result);
std::string EstimateCsv(const EstimateResult& result);
std::string CurveCsv(const CurveResult& result);
std::string NeedCsv(const NeedResult& result);

}  // namespace kestavel::cli
