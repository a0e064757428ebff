#pragma once
// A roster as the window's list shows it, and what its author should know about its lines.

#include <string>
#include <vector>

#include "analysis/roster_question.h"

namespace kestavel::report {

struct LineDiagnostic {
    long line;        // the first line it is about
    const char* code;  // stable name, for JSON
    std::string text;  // what is wrong, for people
    bool dropped;
    long lines = 1;   // over capacity: how many lines
};

// Every dropped and warned line in line order; the lines past the table's capacity as one.
std::vector<LineDiagnostic> RosterDiagnostics(const RosterLoadReport& report);

// The list's entry text, a tab and the speed: one line per row.
std::string RosterRowsText(const analysis::RosterAnswer& answer);

// One stderr line per diagnostic.
std::string RosterDiagnosticsText(const std::vector<LineDiagnostic>& diagnostics);

// One stderr line when the file looks like another encoding than code page 932, else nothing.
std::string RosterEncodingText(RosterEncoding encoding);

}  // namespace kestavel::report
