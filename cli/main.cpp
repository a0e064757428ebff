// kestavel-cli: the window's calculations from a terminal or a script. This file puts the
// pieces together: the command line, the run of the core, the chosen rendering, the exit.

#include <cstddef>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/command_line.h"
#include "cli/command_line/usage_error.h"
#include "cli/exit_status.h"
#include "cli/output/chart_file.h"
#include "cli/output/output.h"
#include "report/text/shown_text.h"
#include "cli/platform/console.h"
#include "cli/platform/system_language.h"
#include "cli/questions/progress_on_line.h"
#include "cli/questions/roster_file.h"
#include "report/curve_svg.h"
#include "report/text/refusal_text.h"
#include "report/result_csv.h"
#include "report/result_json.h"
#include "report/text/result_text.h"
#include "report/text/roster_text.h"
#include "engine/trials/trial_path.h"

#ifdef _WIN32
#include "cli/platform/wide_text.h"
#endif

namespace kestavel::cli {

using report::Say;
using report::UseLanguage;
using report::ShownArgument;
using report::RefusalText;
using report::EstimateNotes;
using report::Note;
using report::RosterDiagnostics;
using report::LineDiagnostic;
using report::RosterRowsText;
using report::RosterDiagnosticsText;
using report::RosterEncodingText;
using report::RateText;
using report::EstimateText;
using report::CurveText;
using report::NeedText;
using report::RateJson;
using report::EstimateJson;
using report::CurveJson;
using report::NeedJson;
using report::RosterJson;
using report::ErrorJson;
using report::JsonText;
using report::RateCsv;
using report::EstimateCsv;
using report::CurveCsv;
using report::NeedCsv;
using report::CurveSvg;

namespace {

// A failure of the whole run: on stderr, and under --json as an object on stdout as well.
int Fail(Format format, const char* code, const std::string& message, int status) {
    WriteError(message);
    if (format == Format::kJson) WriteOut(JsonText(ErrorJson(code, message)));
    return status;
}

// How a command's result is shown in one output format.
template <typename Result>
struct Renderer {
    Format format;
    std::string (*render)(const Result&);
};

template <typename Result, nlohmann::ordered_json (*ToJson)(const Result&)>
std::string JsonTextOf(const Result& result) {
    return JsonText(ToJson(result));
}

std::string RosterRows(const RosterRun& run) { return RosterRowsText(run.answer); }
nlohmann::ordered_json RosterRunJson(const RosterRun& run) { return RosterJson(run.file, run.answer, run.readError); }

// Each command's output formats, text first: a new format is a row in the table of every
// command that offers it (and a flag in its subcommand).
constexpr Renderer<analysis::RateAnswer> kRateRenderers[] = {
    {Format::kText, RateText},
    {Format::kJson, JsonTextOf<analysis::RateAnswer, RateJson>},
    {Format::kCsv, RateCsv},
};
constexpr Renderer<analysis::EstimateAnswer> kEstimateRenderers[] = {
    {Format::kText, EstimateText},
    {Format::kJson, JsonTextOf<analysis::EstimateAnswer, EstimateJson>},
    {Format::kCsv, EstimateCsv},
};
constexpr Renderer<analysis::CurveAnswer> kCurveRenderers[] = {
    {Format::kText, CurveText},
    {Format::kJson, JsonTextOf<analysis::CurveAnswer, CurveJson>},
    {Format::kCsv, CurveCsv},
    {Format::kSvg, CurveSvg},
};
constexpr Renderer<analysis::NeedAnswer> kNeedRenderers[] = {
    {Format::kText, NeedText},
    {Format::kJson, JsonTextOf<analysis::NeedAnswer, NeedJson>},
    {Format::kCsv, NeedCsv},
};
constexpr Renderer<RosterRun> kRosterRenderers[] = {
    {Format::kText, RosterRows},
    {Format::kJson, JsonTextOf<RosterRun, RosterRunJson>},
};

// A format the table lacks is one the command's options cannot ask for; it is shown as text.
template <typename Result, size_t N>
auto RendererFor(const Renderer<Result> (&table)[N], Format format) {
    for (const Renderer<Result>& renderer : table) {
        if (renderer.format == format) return renderer.render;
    }
    return table[0].render;
}

template <typename Result, size_t N>
int Emit(const CommandLine& line, const analysis::Outcome<Result>& outcome, const Renderer<Result> (&renderers)[N]) {
    if (const analysis::Refusal* refusal = std::get_if<analysis::Refusal>(&outcome)) {
        return Fail(line.format, "refused", RefusalText(*refusal), kExitRefused);
    }
    // JSON holds the seed itself; every other format leaves it to stderr, out of the results' way.
    if (line.drawnSeed && line.format != Format::kJson) {
        WriteError(Say("seed.drawn", {*line.drawnSeed, *line.drawnSeed}));
    }
    const std::string text = RendererFor(renderers, line.format)(std::get<Result>(outcome));
    if (line.format == Format::kSvg) return WriteChartFile(line.svgFile, text);
    WriteOut(text);
    return kExitDone;
}

int Rate(const CommandLine& line) { return Emit(line, analysis::AnswerRate(line.rate), kRateRenderers); }

int Estimate(const CommandLine& line) {
    // The simulated runs take a while: their progress on the terminal, as the window shows it.
    ProgressLine progressLine;
    ProgressOnLine progress(progressLine);
    analysis::EstimateRequest request = line.estimate;
    if (!request.exact) request.progress = &progress;
    const analysis::Outcome<analysis::EstimateAnswer> outcome = analysis::AnswerEstimate(request);
    progressLine.Clear();
    // The notes are for whoever runs it, whatever the format: on stderr, before the result.
    if (const auto* answer = std::get_if<analysis::EstimateAnswer>(&outcome)) {
        for (const Note& note : EstimateNotes(*answer)) WriteError(Say("note.prefix") + note.message);
    }
    return Emit(line, outcome, kEstimateRenderers);
}

int Curve(const CommandLine& line) { return Emit(line, analysis::AnswerCurve(line.curve), kCurveRenderers); }

int Need(const CommandLine& line) { return Emit(line, analysis::AnswerNeed(line.need), kNeedRenderers); }

int Roster(const CommandLine& line) {
    const RosterRun result = ReadRosterFile(line.rosterFile);
    if (!result.openError.empty()) {
        return Fail(line.format, "cannotOpen", Say("file.cannotOpen", {ShownArgument(line.rosterFile), result.openError}),
                    kExitNoInput);
    }
    const std::vector<LineDiagnostic> diagnostics = RosterDiagnostics(result.answer.report);
    WriteOut(RendererFor(kRosterRenderers, line.format)(result));
    // JSON carries the diagnostics itself. The encoding comes first: it explains the lines.
    if (line.format != Format::kJson) {
        WriteErrorText(RosterEncodingText(result.answer.report.encoding) + RosterDiagnosticsText(diagnostics));
    }
    if (!result.readError.empty()) {
        WriteError(Say("file.readFailed", {ShownArgument(line.rosterFile), result.readError, result.answer.table->rowCount}));
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
        WriteError(Say("trialPath.notHere", {kTrialPathVariable, name}));
        return false;
    }
    std::string paths;
    for (TrialPath path : AllTrialPaths()) paths += std::string(paths.empty() ? "" : ", ") + TrialPathName(path);
    WriteError(Say("trialPath.unknown", {kTrialPathVariable, name, paths}));
    return false;
}

int Run(int argc, char** argv) {
    // --lang, when given, changes it while the command line is read.
    UseLanguage(SystemLanguage());
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
