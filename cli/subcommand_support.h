#pragma once
// What the subcommands share: filling the form from the options, and printing results.

#include <cstdint>
#include <string>

#include "cli/cli_form.h"
#include "cli/options.h"

namespace kestavel::cli {

// The five ally fields: the values of --allies, then empty fields.
void SetAllyFields(CliForm& form, const Options& options);

// The estimation's own fields from --first-strike P, or --shut-out P and --enemies N (one of
// them given); returns the estimation's kind.
int32_t SetEstimateFields(CliForm& form, const Options& options);

// The text of a field holding the strictly parsed 32-bit number of option `name`.
std::string NumberField(const Options& options, const std::string& name);

// A count of trials as a rate in percent: count / 1000, exactly, as a JSON number.
std::string RateJson(double count);

// Prints a code page 932 text as a UTF-8 line on stdout.
void PrintLine(const std::string& cp932);

// Prints the window's refusal message on stderr and gives the exit status for it.
int Refused(const std::string& cp932Message);

}  // namespace kestavel::cli
