#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <deque>

#include "cli/output.h"
#include "cli/strict_numbers.h"
#include "cli/usage_error.h"
#include "commands/cli_messages.h"
#include "engine/text/text_format.h"

namespace kestavel::cli {

namespace {

// An option's value kept as text, to be read strictly once the line is parsed.
struct Valued {
    std::string name;
    std::string text;
    CLI::Option* option = nullptr;
    bool Given() const { return option->count() > 0; }
};

// On the program and on every command, so that it may stand before or after the command's name.
void AddEncodingOption(CLI::App& app, std::string& name) {
    app.add_option("--encoding", name, kHelpEncoding)->check(CLI::IsMember({"utf-8", "cp932"}))->type_name("ENC");
}

// Taken before the rest, so that even a malformed command line is answered in the encoding asked
// for; CLI11 then only checks the name.
void TakeEncoding(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::string_view name;
        if (argument == "--encoding" && i + 1 < argc) name = argv[++i];
        else if (argument.rfind("--encoding=", 0) == 0) name = argument.substr(11);
        else continue;
        if (const std::optional<Encoding> encoding = EncodingNamed(name)) SetOutputEncoding(*encoding);
    }
}

// The command's name: the first argument, or the one after a leading --encoding and its value.
std::string CommandName(int argc, char** argv) {
    int at = 1;
    if (at < argc && std::string_view(argv[at]) == "--encoding") at += 2;
    else if (at < argc && std::string_view(argv[at]).rfind("--encoding=", 0) == 0) at += 1;
    return at < argc && argv[at][0] != '-' ? argv[at] : "";
}

class Subcommand {
public:
    Subcommand(CLI::App& app, const char* name, const char* help) : app_(app.add_subcommand(name, help)) {
        AddEncodingOption(*app_, encoding_);
    }

    const Valued& Value(const std::string& name, const char* form, const char* help, bool required = false) {
        Valued& v = values_.emplace_back();
        v.name = name;
        v.option = app_->add_option(name, v.text, help)->type_name(form);
        // A missing value must not take the next option in its place.
        v.option->check(CLI::Validator(
            [](std::string& value) {
                return value.rfind("--", 0) == 0 ? FormatText(300, kUsageMissingValue, {value}) : std::string();
            },
            "", "no option"));
        if (required) v.option->required();
        return v;
    }
    bool& Flag(const std::string& name, const char* help) {
        bool& flag = flags_.emplace_back(false);
        app_->add_flag(name, flag, help);
        return flag;
    }
    CLI::App* App() const { return app_; }

private:
    CLI::App* app_;
    std::deque<Valued> values_;
    std::deque<bool> flags_;
    std::string encoding_;
};

const char* const kCommands[] = {"rate", "estimate", "curve", "roster"};

std::string HintFor(const std::string& command) {
    return FormatText(200, kUsageHint, {command.empty() ? std::string() : command + " "});
}

int32_t Number(const Valued& v) { return ParseInt32(v.text, v.name); }

Format FormatOf(bool json, bool csv, bool svg) {
    if (json + csv + svg > 1) throw UsageError(kUsageOneFormat);
    return json ? Format::kJson : csv ? Format::kCsv : svg ? Format::kSvg : Format::kText;
}

}  // namespace

std::variant<CommandLine, int> ParseCommandLine(int argc, char** argv) {
    TakeEncoding(argc, argv);
    const std::string command = CommandName(argc, argv);
    if (!command.empty()) {
        if (std::find(std::begin(kCommands), std::end(kCommands), command) == std::end(kCommands)) {
            throw UsageError(FormatText(300, kUsageUnknownCommand, {command.substr(0, 40)}) + "\n" + HintFor(""));
        }
    }

    CLI::App app(kHelpProgram, "kestavel-cli");
    app.set_version_flag("--version", KESTAVEL_VERSION, kHelpVersion);
    app.require_subcommand(1);
    std::string encoding;
    AddEncodingOption(app, encoding);

    Subcommand rate(app, "rate", kHelpRate);
    const Valued& rateAllies = rate.Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& rateSpeed = rate.Value("--enemy-speed", "S", kHelpEnemySpeed, true);
    const Valued& rateEnemies = rate.Value("--enemies", "N", kHelpEnemies, true);
    const Valued& rateSeed = rate.Value("--seed", "X", kHelpSeed);
    const bool& rateExact = rate.Flag("--exact", kHelpRateExact);
    const bool& rateJson = rate.Flag("--json", kHelpJson);
    const bool& rateCsv = rate.Flag("--csv", kHelpCsv);

    Subcommand estimate(app, "estimate", kHelpEstimate);
    const Valued& estFirst = estimate.Value("--first-strike", "P", kHelpFirstStrike);
    const Valued& estShut = estimate.Value("--shut-out", "P", kHelpShutOut);
    const Valued& estEnemies = estimate.Value("--enemies", "N", kHelpEstimateEnemies);
    const Valued& estAllies = estimate.Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& estSeed = estimate.Value("--seed", "X", kHelpSeed);
    const Valued& estObserved = estimate.Value("--observed", "K/N", kHelpObserved);
    const bool& estExact = estimate.Flag("--exact", kHelpEstimateExact);
    const bool& estJson = estimate.Flag("--json", kHelpJson);
    const bool& estCsv = estimate.Flag("--csv", kHelpCsv);

    Subcommand curve(app, "curve", kHelpCurve);
    const Valued& curveAllies = curve.Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& curveEnemies = curve.Value("--enemies", "N", kHelpCurveEnemies);
    const Valued& curveFrom = curve.Value("--from", "S", kHelpFrom);
    const Valued& curveTo = curve.Value("--to", "S", kHelpTo);
    const Valued& curveSeed = curve.Value("--seed", "X", kHelpSeed);
    const Valued& curveObserved = curve.Value("--observed", "K/N", kHelpCurveObserved);
    const Valued& curveSvg = curve.Value("--svg", "FILE", kHelpSvg);
    curve.Flag("--exact", kHelpCurveExact);
    const bool& curveSimulate = curve.Flag("--simulate", kHelpSimulate);
    const bool& curveJson = curve.Flag("--json", kHelpJson);
    const bool& curveCsv = curve.Flag("--csv", kHelpCsv);

    Subcommand roster(app, "roster", kHelpRoster);
    std::string rosterFile;
    roster.App()->add_option("FILE", rosterFile, kHelpRosterFile)->required();
    const bool& rosterJson = roster.Flag("--json", kHelpJson);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        if (command.empty()) throw UsageError(std::string(kUsageNoCommand) + "\n" + HintFor(""));
        throw UsageError(std::string(e.what()) + "\n" + HintFor(command));
    }

    CommandLine line;
    try {
        if (rate.App()->parsed()) {
            line.command = Command::kRate;
            line.format = FormatOf(rateJson, rateCsv, false);
            line.rate.allies = ParseAllySpeeds(rateAllies.text);
            line.rate.enemySpeed = Number(rateSpeed);
            line.rate.enemies = Number(rateEnemies);
            line.rate.seed = rateSeed.Given() ? ParseSeed(rateSeed.text) : DrawSeed();
            line.rate.exact = rateExact;
        } else if (estimate.App()->parsed()) {
            line.command = Command::kEstimate;
            line.format = FormatOf(estJson, estCsv, false);
            EstimateInputs& in = line.estimate;
            in.allies = ParseAllySpeeds(estAllies.text);
            if (estFirst.Given() && estShut.Given()) throw UsageError(kUsageOnePercent);
            if (estFirst.Given()) {
                if (estEnemies.Given()) throw UsageError(kUsageFirstStrikeEnemies);
                in.firstStrike = Number(estFirst);
            }
            if (estShut.Given()) {
                if (!estEnemies.Given()) throw UsageError(kUsageShutOutEnemies);
                in.shutOut = Number(estShut);
            }
            if (estEnemies.Given()) in.enemies = Number(estEnemies);
            if (estObserved.Given()) in.observed = ParseObservedCount(estObserved.text);
            if (!in.firstStrike && !in.shutOut && !in.observed) throw UsageError(kUsageEstimateWhat);
            in.exact = estExact || in.observed;
            if (in.exact && estSeed.Given()) throw UsageError(kUsageExactSeed);
            in.seed = estSeed.Given() ? ParseSeed(estSeed.text) : in.exact ? 0 : DrawSeed();
        } else if (curve.App()->parsed()) {
            line.command = Command::kCurve;
            line.format = FormatOf(curveJson, curveCsv, curveSvg.Given());
            line.svgFile = curveSvg.text;
            CurveInputs& in = line.curve;
            in.allies = ParseAllySpeeds(curveAllies.text);
            if (curveEnemies.Given()) in.enemies = Number(curveEnemies);
            if (curveFrom.Given() != curveTo.Given()) throw UsageError(kUsageFromTo);
            if (curveFrom.Given()) {
                in.from = static_cast<int32_t>(ParseStrictInteger(curveFrom.text, 1, kMostCurveSpeeds * 10, "--from"));
                in.to = static_cast<int32_t>(ParseStrictInteger(curveTo.text, *in.from, *in.from + kMostCurveSpeeds - 1, "--to"));
            }
            in.simulate = curveSimulate;
            if (!in.simulate && curveSeed.Given()) throw UsageError(kUsageCurveSeed);
            in.seed = curveSeed.Given() ? ParseSeed(curveSeed.text) : in.simulate ? DrawSeed() : 0;
            if (curveObserved.Given()) in.observed = ParseObservedCount(curveObserved.text);
        } else {
            line.command = Command::kRoster;
            line.format = FormatOf(rosterJson, false, false);
            line.rosterFile = rosterFile;
        }
    } catch (const UsageError& e) {
        throw UsageError(std::string(e.what()) + "\n" + HintFor(command));
    }
    return line;
}

}  // namespace kestavel::cli
