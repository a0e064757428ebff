#pragma once
// The results as JSON (the keys are documented in docs/cli-json.md), the same from every front
// end.

#include <nlohmann/json.hpp>
#include <string>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "analysis/need_question.h"
#include "analysis/rate_question.h"
#include "analysis/roster_question.h"

namespace kestavel::report {

nlohmann::ordered_json RateJson(const analysis::RateAnswer& answer);
nlohmann::ordered_json EstimateJson(const analysis::EstimateAnswer& answer);
nlohmann::ordered_json CurveJson(const analysis::CurveAnswer& answer);
nlohmann::ordered_json NeedJson(const analysis::NeedAnswer& answer);
// `file` as the reader named it (made safe to show), `readError` why reading stopped early (empty
// when it did not).
nlohmann::ordered_json RosterJson(const std::string& file, const analysis::RosterAnswer& answer,
                                  const std::string& readError);

// {"error": {"code": ..., "message": ...}}
nlohmann::ordered_json ErrorJson(const char* code, const std::string& message);

// Two-space indents and a final line end.
std::string JsonText(const nlohmann::ordered_json& json);

}  // namespace kestavel::report
