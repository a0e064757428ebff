#pragma once
// A refusal as kestavel-cli words it, in the language in use: the message for the input (in
// Japanese the window's), then what it takes and what it got (UTF-8, without the program's
// name).

#include <string>

#include "analysis/inputs/refusal.h"

namespace kestavel::report {

std::string RefusalText(const analysis::Refusal& refusal);

}  // namespace kestavel::report
