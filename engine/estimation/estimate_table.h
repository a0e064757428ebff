#pragma once
// The estimation's table: the best speed and two neighbours on either side, each with both
// rates in percent.

#include <array>
#include <cstdint>

namespace kestavel {

constexpr int kTableRows = 5;

struct TableRow {
    int32_t speed = 0;  // 0 for a row whose speed would fall below 1, which has no rates
    bool run = false;
    double firstStrikeRate = 0;  // percent
    double shutOutRate = 0;
    int64_t shutOutWins = 0;      // a simulated row's counts; 0 for an exact one
    int64_t firstStrikeWins = 0;
};

using EstimateTable = std::array<TableRow, kTableRows>;

// The rows for speeds bestSpeed - 2 to bestSpeed + 2, top to bottom; `fillRates(row)` gives
// the rates of each row whose speed is 1 or more, in that order, and nothing else is asked.
template <typename FillRates>
EstimateTable FillEstimateTable(int32_t bestSpeed, FillRates fillRates) {
    EstimateTable table{};
    for (int i = 0; i < kTableRows; ++i) {
        TableRow& row = table[i];
        const int32_t speed = bestSpeed - 2 + i;
        if (speed < 1) continue;
        row.speed = speed;
        row.run = true;
        fillRates(row);
    }
    return table;
}

}  // namespace kestavel
