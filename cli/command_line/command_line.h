#pragma once
// The command line, parsed with CLI11 and read strictly into one subcommand's inputs.

#include <string>
#include <variant>

#include "cli/questions/curve_result.h"
#include "cli/questions/estimate_result.h"
#include "cli/questions/need_result.h"
#include "cli/questions/rate_result.h"

namespace kestavel::cli {

enum class Command { kRate, kEstimate, kCurve, kNeed, kRoster };
enum class Format { kText, kJson, kCsv, kSvg };

struct CommandLine {
    Command command = Command::kRate;
    Format format = Format::kText;
    std::string svgFile;
    RateInputs rate;
    EstimateInputs estimate;
    CurveInputs curve;
    NeedInputs need;
    std::string rosterFile;
};

// The command to run, or the exit status once help or the version has been printed. A
// malformed command line throws UsageError, whose text ends with where to find help.
std::variant<CommandLine, int> ParseCommandLine(int argc, char** argv);

}  // namespace kestavel::cli
