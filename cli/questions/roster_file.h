#pragma once
// `roster FILE`: the file opened as the system names it, or standard input for "-", and read by
// the window's own loader; why it could not be opened or read to its end, in our words.

#include <string>

#include "analysis/roster_question.h"

namespace kestavel::cli {

struct RosterRun {
    std::string file;               // as given; "-" for standard input
    analysis::RosterAnswer answer;  // the rows read, and what was dropped and why
    std::string openError;          // why the file could not be opened, else empty
    std::string readError;          // why reading stopped early, else empty
};

RosterRun ReadRosterFile(const std::string& file);

}  // namespace kestavel::cli
