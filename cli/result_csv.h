#pragma once
// The results as CSV (RFC 4180: CRLF line ends, a header row, fields quoted when needed).

#include <string>

#include "cli/curve_result.h"
#include "cli/estimate_result.h"
#include "cli/need_result.h"
#include "cli/rate_result.h"

namespace kestavel::cli {

std::string RateCsv(const RateResult& result);
std::string EstimateCsv(const EstimateResult& result);
std::string CurveCsv(const CurveResult& result);
std::string NeedCsv(const NeedResult& result);

}  // namespace kestavel::cli
