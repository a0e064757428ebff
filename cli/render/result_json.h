#pragma once
// The results as JSON (the keys are documented in docs/cli-json.md).

#include <nlohmann/json.hpp>
#include <string>

#include "cli/questions/curve_result.h"
#include "cli/questions/estimate_result.h"
#include "cli/questions/need_result.h"
#include "cli/questions/rate_result.h"
#include "cli/questions/roster_result.h"

namespace kestavel::cli {

nlohmann::ordered_json RateJson(const RateResult& result);
nlohmann::ordered_json EstimateJson(const EstimateResult& result);
nlohmann::ordered_json CurveJson(const CurveResult& result);
nlohmann::ordered_json NeedJson(const NeedResult& result);
nlohmann::ordered_json RosterJson(const RosterResult& result);

// {"error": {"code": ..., "message": ...}}
nlohmann::ordered_json ErrorJson(const char* code, const std::string& message);

// Two-space indents and a final line end.
std::string JsonText(const nlohmann::ordered_json& json);

}  // namespace kestavel::cli
