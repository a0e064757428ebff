#pragma once
// The two estimation buttons: check the observed rate (and, for the shut-out kind, the enemy
// count), run the search with its progress in the status label, and show the five-row table.

#include <cstdint>

#include "commands/form.h"
#include "engine/speed_simulator.h"

namespace kestavel {

// `kind` is 1 (observed first-strike rate, field 2007) or 2 (enemy count 2008 and observed
// shut-out rate 2009). Returns 0 when the table was written, 1 otherwise.
int32_t OnEstimate(SpeedSimulator& simulator, Form& form, int32_t kind);

}  // namespace kestavel
