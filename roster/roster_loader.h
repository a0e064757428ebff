#pragma once
// Reading the roster file `speed.txt` into the simulator's roster table.

#include <string>

#include "engine/speed_simulator.h"
#include "roster/message_box_sink.h"

namespace kestavel {

// Reads `directory` + "\speed.txt" into `simulator.roster`, which must be in its reset state.
// Returns true when the file failed to open (after telling the user through `messageBox`),
// false otherwise, also when the file held no usable line.
bool LoadRoster(SpeedSimulator& simulator, std::string directory, MessageBoxSink& messageBox);

}  // namespace kestavel
