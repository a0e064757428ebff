#pragma once
// The two estimation buttons: check the observed rate (and, for the shut-out kind, the enemy
// count), run the search with its progress in the status label, and show the five-row table.

#include <cstdint>
#include <functional>

#include "commands/form.h"
#include "engine/progress_sink.h"
#include "engine/speed_simulator.h"

namespace kestavel {

// `kind` is 1 (observed first-strike rate, field 2007) or 2 (enemy count 2008 and observed
// shut-out rate 2009). Returns 0 when the table was written, 1 otherwise.
int32_t OnEstimate(SpeedSimulator& simulator, Form& form, int32_t kind);

// A search behind the command: fills `bestSpeed` and the table rows of the record and returns
// an EstimateCode, as EstimateEnemySpeed does.
using EnemySpeedSearch = std::function<int32_t(SpeedSimulator& simulator, int32_t kind, ProgressSink& progress)>;

// OnEstimate with `search` in place of EstimateEnemySpeed: the same reads, checks, messages
// and table.
int32_t OnEstimateWith(SpeedSimulator& simulator, Form& form, int32_t kind, const EnemySpeedSearch& search);

// The table header into the status label and the five rows into labels 1006 to 1010.
void WriteEstimateTable(const SpeedSimulator& simulator, Form& form);

}  // namespace kestavel
