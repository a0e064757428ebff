#pragma once
// `estimate --exact` and `estimate --observed K/N`: the estimation on exact rates.

#include "cli/options.h"

namespace kestavel::cli {

// With --first-strike P or --shut-out P (and --enemies C): the window's estimation, its checks,
// messages and table, with exact rates in place of runs; --observed K/N then adds what the
// count says. With --observed K/N alone (and --enemies C for shut-outs): the table centres on
// the likeliest speed. Returns the exit status.
int RunExactEstimate(const Options& options);

}  // namespace kestavel::cli
