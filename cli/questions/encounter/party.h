#pragma once
// The party as the command line gives it: one to five speeds, the rest absent.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/questions/cli_form.h"
#include "engine/trial_limits.h"

namespace kestavel::cli {

using Party = std::vector<int32_t>;

// The five ally fields: the party's speeds, then empty fields.
void SetAllyFields(CliForm& form, const Party& party);

// The five speeds as the simulator holds them (absent allies 0).
void SetAllySpeeds(double (&allySpeed)[kAllyCount], const Party& party);

// "60,50,40": the speeds as --allies takes them.
std::string PartyText(const Party& party);

// The draw for a run without --seed, so that it can be reported and repeated.
uint32_t DrawSeed();

}  // namespace kestavel::cli
