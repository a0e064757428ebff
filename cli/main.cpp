// kestavel-cli: the window's calculations from a terminal or a script. This file puts the
// pieces together: the command line, the run of the core, the chosen rendering, the exit.

#include <cstdlib>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/cli_messages.h"
#include "cli/command_line/command_line.h"
#include "cli/command_line/usage_error.h"
#include "cli/exit_status.h"
#include "cli/output/output.h"
#include "cli/output/terminal_text.h"
#include "cli/platform/console.h"
#include "cli/platform/file_path.h"
#include "cli/render/curve_svg.h"
#include "cli/render/result_csv.h"
#include "cli/render/result_json.h"
#include "cli/render/result_text.h"
#include "cli/render/roster_text.h"
#include "text/text_format.h"
#include "engine/trials/trial_path.h"

#ifdef _WIN32
#include "cli/platform/wide_text.h"
#endif

namespace kestavel::cli {

namespace {

// A failure of the whole run: on stderr, and under --json as an object on stdout as well.
int Fail(Format format, const char* code, const std::string& message, int status) {
    WriteError(message);
    if (format == Format::kJson) WriteOut(JsonText(ErrorJson(code, message)));
    return status;
}

template <typename Result, typename Render>
int Emit(Format format, const Outcome<Result>& outcome, Render render) {
    if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) return Fail(format, "refused", refusal->message, kExitRefused);
    WriteOut(render(std::get<Result>(outcome)));
    return kExitDone;
}

int Rate(const CommandLine& line) {
    return Emit(line.format, RunRate(line.rate), [&](const RateResult& r) {
        return line.format == Format::kJson ? JsonText(RateJson(r)) : line.format == Format::kCsv ? RateCsv(r) : RateText(r);
    });
}

int Estimate(const CommandLine& line) {
    return Emit(line.format, RunEstimate(line.estimate), [&](const EstimateResult& r) {
        WriteErrorText(NotesText(r.notes));
        return line.format == Format::kJson  ? JsonText(EstimateJson(r))
               : line.format == Format::kCsv ? EstimateCsv(r)
                                             : EstimateText(r);
    });
}

int Curve(const CommandLine& line) {
    const Outcome<CurveResult> outcome = RunCurve(line.curve);
    if (line.format == Format::kSvg && std::holds_alternative<CurveResult>(outcome)) {
        std::ofstream file(PathFromUtf8(line.svgFile), std::ios::binary);
        file << CurveSvg(std::get<CurveResult>(outcome));
        file.close();
        if (!file) {
            WriteError(FormatText(600, kCannotWriteFile, {ShownArgument(line.svgFile)}));
            return kExitIoError;
        }
        return kExitDone;
    }
    return Emit(line.format, outcome, [&](const CurveResult& r) {
        return line.format == Format::kJson ? JsonText(CurveJson(r)) : line.format == Format::kCsv ? CurveCsv(r) : CurveText(r);
    });
}

int Need(const CommandLine& line) {
    return Emit(line.format, RunNeed(line.need), [&](const NeedResult& r) {
        return line.format == Format::kJson ? JsonText(NeedJson(r)) : line.format == Format::kCsv ? NeedCsv(r) : NeedText(r);
    });
}

int Roster(const CommandLine& line) {
    const RosterResult result = RunRoster(line.rosterFile);
    if (!result.openError.empty()) {
        return Fail(line.format, "cannotOpen",
                    FormatText(600, kCannotOpenFile, {ShownArgument(line.rosterFile), result.openError}), kExitNoInput);
    }
    const std::vector<LineDiagnostic> diagnostics = RosterDiagnostics(result.report);
    WriteOut(line.format == Format::kJson ? JsonText(RosterJson(result)) : RosterRowsText(result.simulator->roster));
    if (line.format != Format::kJson) WriteErrorText(RosterDiagnosticsText(diagnostics));
    if (!result.readError.empty()) {
        WriteError(FormatText(600, kReadFailed, {ShownArgument(line.rosterFile), result.readError,
                                                 result.simulator->roster.rowCount}));
        return kExitIoError;
    }
    return kExitDone;
}

// A trial path named in the environment that cannot be followed is an error, not a quiet fall
// back to another path: whoever set it wants to compare that one.
bool TrialPathOverrideFollowed() {
    const TrialPathOverride state = TrialPathOverrideState();
    if (state == TrialPathOverride::kUnset || state == TrialPathOverride::kFollowed) return true;
    const std::string name = ShownArgument(std::getenv(kTrialPathVariable));
    if (state == TrialPathOverride::kNotOnThisCpu) {
        WriteError(FormatText(600, kTrialPathNotHere, {kTrialPathVariable, name}));
        return false;
    }
    std::string paths;
    for (TrialPath path : AllTrialPaths()) paths += std::string(paths.empty() ? "" : ", ") + TrialPathName(path);
    WriteError(FormatText(600, kTrialPathUnknown, {kTrialPathVariable, name, paths}));
    return false;
}

int Run(int argc, char** argv) {
    std::variant<CommandLine, int> parsed = 0;
    try {
        parsed = ParseCommandLine(argc, argv);
    } catch (const UsageError& error) {
        WriteError(error.what());
        return kExitUsage;
    }
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    if (!TrialPathOverrideFollowed()) return kExitUsage;
    const CommandLine& line = std::get<CommandLine>(parsed);
    switch (line.command) {
        case Command::kRate: return Rate(line);
        case Command::kEstimate: return Estimate(line);
        case Command::kCurve: return Curve(line);
        case Command::kNeed: return Need(line);
        case Command::kRoster: return Roster(line);
    }
    return kExitUsage;
}

}  // namespace

}  // namespace kestavel::cli

#ifdef _WIN32
// The arguments as the system holds them, UTF-16, so that none is lost to the ANSI code page.
int wmain(int argc, wchar_t** wideArgv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(kestavel::cli::Utf8FromWide(wideArgv[i]));
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    kestavel::cli::PrepareStandardStreams();
    return kestavel::cli::FinishOutput(kestavel::cli::Run(argc, argv.data()));
}
#else
int main(int argc, char** argv) {
    kestavel::cli::PrepareStandardStreams();
    return kestavel::cli::FinishOutput(kestavel::cli::Run(argc, argv));
}
#endif
