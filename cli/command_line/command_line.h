#pragma once
// The command line, parsed with CLI11 and read strictly into one subcommand's inputs.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "analysis/need_question.h"
#include "analysis/rate_question.h"

namespace kestavel::cli {

enum class Command { kRate, kEstimate, kCurve, kNeed, kRoster };
enum class Format { kText, kJson, kCsv, kSvg };

struct CommandLine {
    Command command = Command::kRate;
    Format format = Format::kText;
    std::string svgFile;
    std::optional<uint32_t> drawnSeed;  // the seed drawn for want of --seed, to be reported
    analysis::RateRequest rate;
    analysis::EstimateRequest estimate;
    analysis::CurveRequest curve;
    analysis::NeedRequest need;
    std::string rosterFile;
};

// The command to run, or the exit status once help or the version has been printed. A
// malformed command line throws UsageError, whose text ends with where to find help.
std::variant<CommandLine, int> ParseCommandLine(int argc, char** argv);

}  // namespace kestavel::cli
