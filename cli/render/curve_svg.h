#pragma once
// The curve as a small SVG line chart: both exact rates against the enemy speed, the
// simulated ones as dots when run, the speeds consistent with an observed count shaded.

#include <string>

#include "cli/questions/curve_result.h"

namespace kestavel::cli {

std::string CurveSvg(const CurveResult& result);

}  // namespace kestavel::cli
