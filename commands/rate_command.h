#pragma once
// The rate calculation button: read the party, the enemy speed and count, run the calculation
// and show the shut-out and first-strike rates, or why the input was refused.

#include <cstdint>

#include "commands/form.h"
#include "record/speed_simulator.h"

namespace kestavel {

// Returns 0 when both results were written, 1 when the input was refused.
int32_t OnCalculate(SpeedSimulator& simulator, Form& form);

}  // namespace kestavel
