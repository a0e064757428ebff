#pragma once
// `estimate`: the window's estimation, simulated or on exact rates, and what an observed count
// says, with notes where the answer deserves a second look.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/questions/encounter/party.h"
#include "cli/questions/refusal.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/exact/binomial_interval.h"
#include "engine/exact/observed_count_fit.h"

namespace kestavel::cli {

struct EstimateInputs {
    Party allies;
    std::optional<int32_t> firstStrike;  // percent observed
    std::optional<int32_t> shutOut;
    int32_t enemies = 1;                 // for --shut-out and --observed
    std::optional<BinomialCount> observed;
    bool exact = false;                  // implied by --observed
    uint32_t seed = 0;                   // simulated runs only
};

struct EstimateRow {
    int32_t speed = 0;
    bool run = false;          // false for a speed below 1, which the table shows as 0
    double firstStrikeRate = 0;  // percent: simulated (count / 1000) or exact
    double shutOutRate = 0;
};

struct Note {
    const char* code;
    std::string message;
};

struct EstimateResult {
    EstimateInputs inputs;
    int32_t enemies = 1;
    CandidateRange range{};
    int32_t bestSpeed = 0;
    std::string headerLine;                  // the window's table (code page 932)
    std::array<std::string, kTableRows> rowLines;
    std::array<EstimateRow, kTableRows> rows;
    std::optional<ObservedCountFit> fit;
    std::vector<Note> notes;
};

Outcome<EstimateResult> RunEstimate(const EstimateInputs& inputs);

// "38 to 53, 60": the runs of consecutive consistent speeds; "none" for none.
std::string ConsistentSpans(const ObservedCountFit& fit);

}  // namespace kestavel::cli
