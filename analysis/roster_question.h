#pragma once
// "What does the window make of my roster?": the rows the window's loader keeps as its list
// shows them, every line it dropped or that its author likely did not mean, and why, and what
// the file's bytes look like (a roster saved as UTF-8 or UTF-16 reads garbled).

#include <istream>
#include <memory>
#include <string>

#include "roster/roster_entry_text.h"
#include "roster/roster_loader.h"
#include "roster/roster_table.h"

namespace kestavel::analysis {

struct RosterAnswer {
    std::unique_ptr<RosterTable> table;  // large: kept on the heap
    RosterLoadReport report;
    // Row `row` as the window's list shows it: "X3) Y" (code page 932).
    std::string EntryText(int32_t row) const { return RosterEntryText(*table, row); }
};

// Reads an opened roster to its end or its first read error (report.readFailed).
RosterAnswer AnswerRoster(std::istream& lines);

}  // namespace kestavel::analysis
