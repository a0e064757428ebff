#pragma once
// The party as a question gives it: one to five speeds in member order, the rest absent.

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/inputs/refusal.h"
#include "engine/trial_limits.h"

namespace kestavel::analysis {

using Party = std::vector<int32_t>;

// The five speeds as the engine takes them (absent members 0).
void FillAllySpeeds(const Party& party, double (&allySpeed)[kAllyCount]);

// The estimation's check of the party: its best speed, negative speeds counting as 0, must lie
// in kBestAllySpeedRange.
std::optional<Refusal> CandidatePartyRefusal(const Party& party);

}  // namespace kestavel::analysis
