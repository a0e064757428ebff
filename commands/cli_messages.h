#pragma once
// Every English text kestavel-cli shows its user: messages, reasons, notes and help. (The
// window's own texts, code page 932, stay with the code that writes them.)

namespace kestavel {

// Why a roster line was dropped, and what a kept row may hold that its author did not mean.
constexpr const char* kDropBlankLine = "blank line";
constexpr const char* kDropMissingField = "fewer than four fields";
constexpr const char* kDropFieldTooLong = "field too long";
constexpr const char* kDropNumberBelowOne = "number below 1";
constexpr const char* kDropOverCapacity = "over capacity";
constexpr const char* kDropFieldsFound[] = {"no field", "only 1 field", "only 2 fields", "only 3 fields"};
constexpr const char* kDropOfFour = "of 4 (label name number speed)";
constexpr const char* kDropNumberNotANumber = "the number (third field) is not a number";
constexpr const char* kDropSpeedNotANumber = "the speed (fourth field) is not a number";
constexpr const char* kDropLabelTooLong = "the label is longer than 98 bytes";
constexpr const char* kDropNameTooLong = "the name is longer than 998 bytes";
constexpr const char* kDropNumberBelowOneGot = "number below 1 (got %d): the window lists numbers from 1";
constexpr const char* kDropOverCapacitySummary =
    "lines %d to %d dropped: over capacity (the window keeps the first 10000 rows; %d more lines)";
constexpr const char* kDroppedLine = "line %d dropped: %s";
constexpr const char* kWarnedLine = "line %d warning: %s";
constexpr const char* kWarnSpeedBelowOne = "speed %d is below 1: the rate calculation refuses it";
constexpr const char* kWarnNumberRunsOn = "the number's digits are followed by other bytes: it reads as %d";
constexpr const char* kWarnSpeedRunsOn = "the speed's digits are followed by other bytes: it reads as %d";
constexpr const char* kWarnMoreThanFour = "more than four fields: the rest of the line is ignored";

}  // namespace kestavel
