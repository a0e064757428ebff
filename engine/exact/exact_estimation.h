#pragma once
// The enemy-speed estimation with exact rates in place of simulated runs: deterministic and
// instant, otherwise the same search as EstimateEnemySpeed.

#include <cstdint>

#include "engine/speed_simulator.h"

namespace kestavel {

// Same checks and codes (EstimateCode), candidate range and tie rule as EstimateEnemySpeed.
// A candidate's count is the expected count of a run, 100000 times the exact probability of
// the kind's event, so its distance is | target * 1000 - 100000 p |; of equal distances the
// higher speed wins. Then fills the table as FillExactTable does. Writes `candidateSpeed`
// (the last candidate), `bestSpeed` and the rows; draws nothing, writes no progress text and
// leaves `winsAll` and `winsFirst` as they were.
int32_t EstimateEnemySpeedExactly(SpeedSimulator& simulator, int32_t kind);

// The five table rows around `bestSpeed` (its whole part minus 2 to plus 2) with exact rates
// in percent against `enemyCount` enemies; a row whose speed falls below 1 holds speed 0 and
// rates 0, as in the simulated table.
void FillExactTable(SpeedSimulator& simulator);

}  // namespace kestavel
