#pragma once
// The program's one simulator record, alive from before WinMain to the end of the process.

#include "engine/speed_simulator.h"

namespace kestavel::ui {

extern SpeedSimulator theSimulator;

}  // namespace kestavel::ui
