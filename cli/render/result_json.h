#pragma once
// The results as JSON (the keys are documented in docs/cli-json.md).

#include <nlohmann/json.hpp>
#include <string>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "analysis/need_question.h"
#include "analysis/rate_question.h"
#include "cli/questions/roster_file.h"

namespace kestavel::cli {

nlohmann::ordered_json RateJson(const analysis::RateAnswer& answer);
nlohmann::ordered_json EstimateJson(const analysis::EstimateAnswer& answer);
nlohmann::ordered_json CurveJson(const analysis::CurveAnswer& answer);
nlohmann::ordered_json NeedJson(const analysis::NeedAnswer& answer);
nlohmann::ordered_json RosterJson(const RosterRun& run);

// {"error": {"code": ..., "message": ...}}
nlohmann::ordered_json ErrorJson(const char* code, const std::string& message);

// Two-space indents and a final line end.
std::string JsonText(const nlohmann::ordered_json& json);

}  // namespace kestavel::cli
