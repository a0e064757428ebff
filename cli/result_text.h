#pragma once
// The results as a terminal shows them: the window's own lines, UTF-8.

#include <string>

#include "cli/curve_result.h"
#include "cli/estimate_result.h"
#include "cli/need_result.h"
#include "cli/rate_result.h"

namespace kestavel::cli {

std::string RateText(const RateResult& result);
std::string EstimateText(const EstimateResult& result);
std::string CurveText(const CurveResult& result);
std::string NeedText(const NeedResult& result);

// The notes, one "note: ..." line each, for stderr.
std::string NotesText(const std::vector<Note>& notes);

}  // namespace kestavel::cli
