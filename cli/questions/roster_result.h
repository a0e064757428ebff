#pragma once
// `roster FILE`: the file read by the window's own loader, with what it dropped and why.

#include <memory>
#include <string>

#include "engine/speed_simulator.h"
#include "roster/roster_loader.h"

namespace kestavel::cli {

struct RosterResult {
    std::string file;                          // as given; "-" for standard input
    std::unique_ptr<SpeedSimulator> simulator;  // holds the table
    RosterLoadReport report;
    std::string openError;                     // why the file could not be opened, else empty
    std::string readError;                     // why reading stopped early, else empty
};

RosterResult RunRoster(const std::string& file);

}  // namespace kestavel::cli
