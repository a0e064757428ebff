#pragma once
// What was typed for the options several subcommands share, read strictly.

#include <cstdint>
#include <vector>

#include "cli/command_line/command_line.h"
#include "cli/command_line/subcommand.h"
#include "analysis/inputs/enemy_group.h"

namespace kestavel::cli {

// A 32-bit number, named by its option in a usage error.
int32_t NumberOf(const Valued& value);

// A percent observed: a whole number, which the question refuses outside 1 to 99 with the
// window's message; anything else is a usage error that states that range, not the 32-bit one.
int32_t ObservedPercentOf(const Valued& value);

// The seed of a run: --seed's, or when the run draws and none is given, one drawn and kept in
// `line` to be reported; 0 for a run that draws nothing.
uint32_t SeedOf(const Valued& seed, bool draws, CommandLine& line);

// The one format of --json, --csv and --svg given; text for none.
Format FormatOf(bool json, bool csv, bool svg);

// --threads N, or every core when it is not given.
int32_t ThreadsOf(const Valued& threads);

// How many speeds were listed, as the count the window's checks take.
int32_t CountOf(const std::vector<int32_t>& listed);

// --enemy-speed S with --enemies N, or --enemy-speeds alone.
analysis::EnemyGroup GroupOf(const Valued& speed, const Valued& count, const Valued& listed, const char* command);

}  // namespace kestavel::cli
