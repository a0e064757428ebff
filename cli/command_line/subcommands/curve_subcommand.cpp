// `curve`: its options, and what was typed read into its request and the chart's file.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "cli/cli_messages.h"
#include "cli/command_line/seed.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"

namespace kestavel::cli {

namespace {

class CurveSubcommand final : public Subcommand {
public:
    explicit CurveSubcommand(CLI::App& app) : Subcommand(app, "curve", kHelpCurve) {}

    CommandLine Read() const override {
        CommandLine line;
        line.command = Command::kCurve;
        line.format = FormatOf(json_, csv_, svg_.Given());
        line.svgFile = svg_.text;
        analysis::CurveRequest& in = line.curve;
        in.allies = ParseAllySpeeds(allies_.text);
        if (enemies_.Given()) in.enemies = NumberOf(enemies_);
        if (listed_.Given()) {
            if (enemies_.Given()) throw UsageError(kUsageListedGroup);
            if (!vary_.Given()) throw UsageError(kUsageVaryNeeded);
            in.listed = ParseEnemySpeeds(listed_.text);
            in.enemies = CountOf(in.listed);
            in.vary = static_cast<int32_t>(ParseStrictInteger(vary_.text, 1, in.enemies, "--vary"));
        } else if (vary_.Given()) {
            throw UsageError(kUsageVaryAlone);
        }
        if (from_.Given() != to_.Given()) throw UsageError(kUsageFromTo);
        if (from_.Given()) {
            in.from = static_cast<int32_t>(ParseStrictInteger(from_.text, 1, analysis::kMostCurveSpeeds * 10, "--from"));
            in.to = static_cast<int32_t>(ParseStrictInteger(to_.text, *in.from, *in.from + analysis::kMostCurveSpeeds - 1, "--to"));
        }
        in.simulate = simulate_;
        if (!in.simulate && seed_.Given()) throw UsageError(kUsageCurveSeed);
        in.seed = seed_.Given() ? ParseSeed(seed_.text) : in.simulate ? DrawSeed() : 0;
        in.threads = ThreadsOf(threads_);
        if (observed_.Given()) in.observed = ParseObservedCount(observed_.text);
        return line;
    }

private:
    const Valued& allies_ = Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& enemies_ = Value("--enemies", "N", kHelpCurveEnemies);
    const Valued& listed_ = Value("--enemy-speeds", "S1,...", kHelpEnemySpeeds);
    const Valued& vary_ = Value("--vary", "K", kHelpVary);
    const Valued& from_ = Value("--from", "S", kHelpFrom);
    const Valued& to_ = Value("--to", "S", kHelpTo);
    const Valued& seed_ = Value("--seed", "X", kHelpSeed);
    const Valued& threads_ = Value("--threads", "N", kHelpThreads);
    const Valued& observed_ = Value("--observed", "K/N", kHelpCurveObserved);
    const Valued& svg_ = Value("--svg", "FILE", kHelpSvg);
    // Exact rates are the default, so the flag changes nothing: it is taken so that --exact is
    // never an error.
    const bool& exact_ = Flag("--exact", kHelpCurveExact);
    const bool& simulate_ = Flag("--simulate", kHelpSimulate);
    const bool& json_ = Flag("--json", kHelpJson);
    const bool& csv_ = Flag("--csv", kHelpCsv);
};

}  // namespace

std::unique_ptr<Subcommand> DeclareCurve(CLI::App& app) { return std::make_unique<CurveSubcommand>(app); }

}  // namespace kestavel::cli
