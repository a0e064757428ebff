#pragma once
// The notes on an estimate that deserves a second look, for stderr and for JSON.

#include <string>
#include <vector>

#include "analysis/estimate_question.h"

namespace kestavel::report {

struct Note {
    const char* code;  // stable name, for JSON
    std::string message;
};

std::vector<Note> EstimateNotes(const analysis::EstimateAnswer& answer);

}  // namespace kestavel::report
