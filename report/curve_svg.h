#pragma once
// The curve as a small SVG line chart: both exact rates against the enemy speed, the
// simulated ones as dots when run, the speeds consistent with an observed count shaded.

#include <string>

#include "analysis/curve_question.h"

namespace kestavel::report {

std::string CurveSvg(const analysis::CurveAnswer& answer);

}  // namespace kestavel::report
