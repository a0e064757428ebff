#pragma once
// Identifiers of the controls of the main window.

namespace kestavel {

enum ControlId : int {
    kGroupParty = 900,
    kGroupRate = 901,
    kGroupEstimate = 902,

    kLabelPartyHeading = 1000,
    kLabelRateHeading = 1001,
    kLabelShutOutResult = 1002,      // also the rate calculation's input errors
    kLabelFirstStrikeResult = 1003,
    kLabelEstimateHeading = 1004,
    kLabelEstimateStatus = 1005,     // input errors, progress, then the table header
    kLabelTableFirstRow = 1006,      // rows 1006 to 1010, top to bottom

    kFieldFirstAllySpeed = 2000,     // fields 2000 to 2004
    kFieldEnemySpeed = 2005,
    kFieldEnemyCount = 2006,
    kFieldObservedFirstStrike = 2007,
    kFieldShutOutEnemyCount = 2008,
    kFieldObservedShutOut = 2009,

    kFirstUpDown = 3000,
    kRosterList = 4000,

    kButtonCalculate = 5000,
    kButtonEstimateFirstStrike = 5001,
    kButtonEstimateShutOut = 5002,
};

// The members of the ranges above that have no name of their own.
constexpr int AllySpeedField(int ally) { return kFieldFirstAllySpeed + ally; }  // ally 0 to 4
constexpr int TableRowLabel(int row) { return kLabelTableFirstRow + row; }       // row 0 to 4

// Each field has its up-down control, numbered in the fields' order.
constexpr int UpDownFor(int field) { return kFirstUpDown + (field - kFieldFirstAllySpeed); }

}  // namespace kestavel
