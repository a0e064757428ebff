#pragma once
// The results as a terminal shows them: the window's own lines, UTF-8.

#include <string>

#include "cli/questions/curve_result.h"
#include "cli/questions/estimate_result.h"
#include "cli/questions/need_result.h"
#include "cli/questions/rate_result.h"

namespace kestavel::cli {

std::string RateText(const RateResult& result);
std::string EstimateText(const EstimateResult& result);
std::string CurveText(const CurveResult& result);
std::string NeedText(const NeedResult& result);

// The notes, one "note: ..." line each, for stderr.
std::string NotesText(const std::vector<Note>& notes);

}  // namespace kestavel::cli
