#pragma once
// The five rows of two estimations held to each other, field by field: speed, whether it ran, its
// counts and its rates, bit for bit.

#include <gtest/gtest.h>

#include "engine/estimation/estimate_table.h"

namespace kestavel {

inline void ExpectSameTable(const EstimateTable& got, const EstimateTable& want) {
    for (int i = 0; i < kTableRows; ++i) {
        SCOPED_TRACE(::testing::Message() << "row " << i);
        EXPECT_EQ(got[i].speed, want[i].speed);
        EXPECT_EQ(got[i].run, want[i].run);
        EXPECT_EQ(got[i].shutOutWins, want[i].shutOutWins);
        EXPECT_EQ(got[i].firstStrikeWins, want[i].firstStrikeWins);
        EXPECT_EQ(got[i].shutOutRate, want[i].shutOutRate);
        EXPECT_EQ(got[i].firstStrikeRate, want[i].firstStrikeRate);
    }
}

}  // namespace kestavel
