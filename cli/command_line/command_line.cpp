#include "cli/command_line/command_line.h"

#include <algorithm>
#include <limits>

#include "cli/cli_messages.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommand.h"
#include "cli/command_line/usage_error.h"
#include "cli/output/output.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

const char* const kCommands[] = {"rate", "estimate", "curve", "need", "roster"};

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

std::string HintFor(const std::string& command) {
    return FormatText(200, kUsageHint, {command.empty() ? std::string() : command + " "});
}

int32_t Number(const Valued& v) { return ParseInt32(v.text, v.name); }

// CLI11's words for the two mistakes every option can suffer, in ours: "--enemies: At Most 1
// required but received 2" and "--allies: 1 required A1,... missing".
std::string PlainParseError(const std::string& what) {
    const size_t colon = what.find(": ");
    if (colon == std::string::npos || what.rfind("--", 0) != 0) return what;
    const std::string option = what.substr(0, colon);
    if (what.find("At Most 1 required but received", colon) != std::string::npos) {
        return FormatText(300, kUsageGivenTwice, {option});
    }
    if (what.find(" required ", colon) != std::string::npos && what.size() > 8 && what.ends_with(" missing")) {
        return FormatText(300, kUsageNoValue, {option});
    }
    return what;
}

Format FormatOf(bool json, bool csv, bool svg) {
    if (json + csv + svg > 1) throw UsageError(kUsageOneFormat);
    return json ? Format::kJson : csv ? Format::kCsv : svg ? Format::kSvg : Format::kText;
}

int32_t CountOf(const std::vector<int32_t>& listed) {
    return static_cast<int32_t>(std::min<size_t>(listed.size(), std::numeric_limits<int32_t>::max()));
}

// --enemy-speed S with --enemies N, or --enemy-speeds alone.
EnemyGroup GroupOf(const Valued& speed, const Valued& count, const Valued& listed, const char* command) {
    EnemyGroup group;
    if (listed.Given()) {
        if (speed.Given() || count.Given()) throw UsageError(kUsageListedGroup);
        group.listed = ParseEnemySpeeds(listed.text);
        group.count = CountOf(group.listed);
        return group;
    }
    if (!speed.Given() || !count.Given()) throw UsageError(FormatText(200, kUsageEnemyGroup, {command}));
    group.speed = Number(speed);
    group.count = Number(count);
    return group;
}

// The percent to reach, one of two.
void ReadTarget(const Valued& firstStrike, const Valued& shutOut, NeedInputs& in) {
    if (firstStrike.Given() && shutOut.Given()) throw UsageError(FormatText(200, kUsageOnePercent, {"need"}));
    if (!firstStrike.Given() && !shutOut.Given()) throw UsageError(kUsageNeedWhat);
    const Valued& given = firstStrike.Given() ? firstStrike : shutOut;
    const auto percent = static_cast<int32_t>(ParseStrictInteger(given.text, 0, kMostNeedPercent, given.name));
    (firstStrike.Given() ? in.firstStrike : in.shutOut) = percent;
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
    std::string encoding;
    AddEncodingOption(app, encoding);
    app.require_subcommand(1);

    Subcommand rate(app, "rate", kHelpRate);
    const Valued& rateAllies = rate.Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& rateSpeed = rate.Value("--enemy-speed", "S", kHelpEnemySpeed);
    const Valued& rateEnemies = rate.Value("--enemies", "N", kHelpEnemies);
    const Valued& rateListed = rate.Value("--enemy-speeds", "S1,...", kHelpEnemySpeeds);
    const Valued& rateSeed = rate.Value("--seed", "X", kHelpSeed);
    const bool& rateExact = rate.Flag("--exact", kHelpRateExact);
    const bool& rateSimulate = rate.Flag("--simulate", kHelpRateSimulate);
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
    const Valued& curveListed = curve.Value("--enemy-speeds", "S1,...", kHelpEnemySpeeds);
    const Valued& curveVary = curve.Value("--vary", "K", kHelpVary);
    const Valued& curveFrom = curve.Value("--from", "S", kHelpFrom);
    const Valued& curveTo = curve.Value("--to", "S", kHelpTo);
    const Valued& curveSeed = curve.Value("--seed", "X", kHelpSeed);
    const Valued& curveObserved = curve.Value("--observed", "K/N", kHelpCurveObserved);
    const Valued& curveSvg = curve.Value("--svg", "FILE", kHelpSvg);
    curve.Flag("--exact", kHelpCurveExact);
    const bool& curveSimulate = curve.Flag("--simulate", kHelpSimulate);
    const bool& curveJson = curve.Flag("--json", kHelpJson);
    const bool& curveCsv = curve.Flag("--csv", kHelpCsv);

    Subcommand need(app, "need", kHelpNeed);
    const Valued& needFirst = need.Value("--first-strike", "P", kHelpNeedFirstStrike);
    const Valued& needShut = need.Value("--shut-out", "P", kHelpNeedShutOut);
    const Valued& needSpeed = need.Value("--enemy-speed", "S", kHelpEnemySpeed);
    const Valued& needEnemies = need.Value("--enemies", "N", kHelpEnemies);
    const Valued& needListed = need.Value("--enemy-speeds", "S1,...", kHelpEnemySpeeds);
    const Valued& needAllies = need.Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& needMember = need.Value("--member", "K", kHelpMember);
    const bool& needJson = need.Flag("--json", kHelpJson);
    const bool& needCsv = need.Flag("--csv", kHelpCsv);

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
        throw UsageError(PlainParseError(e.what()) + "\n" + HintFor(command));
    }

    CommandLine line;
    try {
        if (rate.App()->parsed()) {
            line.command = Command::kRate;
            line.format = FormatOf(rateJson, rateCsv, false);
            RateInputs& in = line.rate;
            in.allies = ParseAllySpeeds(rateAllies.text);
            in.enemies = GroupOf(rateSpeed, rateEnemies, rateListed, "rate");
            // A listed group is exact by default: only --simulate draws.
            in.simulate = !in.enemies.Listed() || rateSimulate;
            in.exact = rateExact || in.enemies.Listed();
            if (!in.simulate && rateSeed.Given()) throw UsageError(kUsageRateSeed);
            in.seed = rateSeed.Given() ? ParseSeed(rateSeed.text) : in.simulate ? DrawSeed() : 0;
        } else if (estimate.App()->parsed()) {
            line.command = Command::kEstimate;
            line.format = FormatOf(estJson, estCsv, false);
            EstimateInputs& in = line.estimate;
            in.allies = ParseAllySpeeds(estAllies.text);
            if (estFirst.Given() && estShut.Given()) throw UsageError(FormatText(200, kUsageOnePercent, {"estimate"}));
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
            if (curveListed.Given()) {
                if (curveEnemies.Given()) throw UsageError(kUsageListedGroup);
                if (!curveVary.Given()) throw UsageError(kUsageVaryNeeded);
                in.listed = ParseEnemySpeeds(curveListed.text);
                in.enemies = CountOf(in.listed);
                in.vary = static_cast<int32_t>(ParseStrictInteger(curveVary.text, 1, in.enemies, "--vary"));
            } else if (curveVary.Given()) {
                throw UsageError(kUsageVaryAlone);
            }
            if (curveFrom.Given() != curveTo.Given()) throw UsageError(kUsageFromTo);
            if (curveFrom.Given()) {
                in.from = static_cast<int32_t>(ParseStrictInteger(curveFrom.text, 1, kMostCurveSpeeds * 10, "--from"));
                in.to = static_cast<int32_t>(ParseStrictInteger(curveTo.text, *in.from, *in.from + kMostCurveSpeeds - 1, "--to"));
            }
            in.simulate = curveSimulate;
            if (!in.simulate && curveSeed.Given()) throw UsageError(kUsageCurveSeed);
            in.seed = curveSeed.Given() ? ParseSeed(curveSeed.text) : in.simulate ? DrawSeed() : 0;
            if (curveObserved.Given()) in.observed = ParseObservedCount(curveObserved.text);
        } else if (need.App()->parsed()) {
            line.command = Command::kNeed;
            line.format = FormatOf(needJson, needCsv, false);
            NeedInputs& in = line.need;
            ReadTarget(needFirst, needShut, in);
            in.enemies = GroupOf(needSpeed, needEnemies, needListed, "need");
            in.allies = ParseAllySpeeds(needAllies.text);
            if (needMember.Given()) in.member = static_cast<int32_t>(ParseStrictInteger(needMember.text, 1, 5, "--member"));
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
