#pragma once
// "What does the window make of my roster?": the rows the window's loader keeps, and every line
// it dropped or that its author likely did not mean, and why.

#include <istream>
#include <memory>

#include "roster/roster_loader.h"
#include "roster/roster_table.h"

namespace kestavel::analysis {

struct RosterAnswer {
    std::unique_ptr<RosterTable> table;  // large: kept on the heap
    RosterLoadReport report;
};

// Reads an opened roster to its end or its first read error (report.readFailed).
RosterAnswer AnswerRoster(std::istream& lines);

}  // namespace kestavel::analysis
