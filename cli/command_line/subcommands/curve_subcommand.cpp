// `curve`: its options, and what was typed read into its request and the chart's file.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"

namespace kestavel::cli {

using report::Say;

namespace {

// What --from and --to take, stated once for the check and the help.
constexpr int32_t kHighestFrom = analysis::kMostCurveSpeeds * 10;
constexpr int32_t kMostToAfterFrom = analysis::kMostCurveSpeeds - 1;

class CurveSubcommand final : public Subcommand {
public:
    explicit CurveSubcommand(CLI::App& app) : Subcommand(app, "curve", Say("help.curve")) {}

    CommandLine Read() const override {
        CommandLine line;
        line.command = Command::kCurve;
        line.format = FormatOf(json_, csv_, svg_.Given());
        line.svgFile = svg_.text;
        analysis::CurveRequest& in = line.curve;
        in.allies = ParseAllySpeeds(allies_.text);
        if (enemies_.Given()) in.enemies = NumberOf(enemies_);
        if (listed_.Given()) {
            if (enemies_.Given()) throw UsageError(Say("usage.listedGroup"));
            if (!vary_.Given()) throw UsageError(Say("usage.varyNeeded"));
            in.listed = ParseEnemySpeeds(listed_.text);
            in.enemies = CountOf(in.listed);
            in.vary = static_cast<int32_t>(ParseStrictInteger(vary_.text, 1, in.enemies, "--vary"));
        } else if (vary_.Given()) {
            throw UsageError(Say("usage.varyAlone"));
        }
        if (from_.Given() != to_.Given()) throw UsageError(Say("usage.fromTo"));
        if (from_.Given()) {
            in.from = static_cast<int32_t>(ParseStrictInteger(from_.text, 1, kHighestFrom, "--from"));
            in.to = static_cast<int32_t>(ParseStrictInteger(to_.text, *in.from, *in.from + kMostToAfterFrom, "--to"));
        }
        in.simulate = simulate_;
        if (!in.simulate && seed_.Given()) throw UsageError(Say("usage.curveSeed"));
        in.seed = SeedOf(seed_, in.simulate, line);
        in.threads = ThreadsOf(threads_);
        if (observed_.Given()) in.observed = ParseObservedCount(observed_.text);
        return line;
    }

private:
    const Valued& allies_ = Value("--allies", "A1,...", Say("help.allies"), true);
    const Valued& enemies_ = Value("--enemies", "N", Say("help.curveEnemies"));
    const Valued& listed_ = Value("--enemy-speeds", "S1,...", Say("help.enemySpeeds"));
    const Valued& vary_ = Value("--vary", "K", Say("help.vary"));
    const Valued& from_ = Value("--from", "S", Say("help.from", {kHighestFrom}));
    const Valued& to_ = Value("--to", "S", Say("help.to", {kMostToAfterFrom, analysis::kMostCurveSpeeds}));
    const Valued& seed_ = Value("--seed", "X", Say("help.seed"));
    const Valued& threads_ = Value("--threads", "N", Say("help.threads", {kThreadCountRange.lowest, kThreadCountRange.highest}));
    const Valued& observed_ = Value("--observed", "K/N", Say("help.curveObserved"));
    const Valued& svg_ = Value("--svg", "FILE", Say("help.svg"));
    // Exact rates are the default, so the flag changes nothing: it is taken so that --exact is
    // never an error.
    const bool& exact_ = Flag("--exact", Say("help.curveExact"));
    const bool& simulate_ = Flag("--simulate", Say("help.simulate"));
    const bool& json_ = Flag("--json", Say("help.json"));
    const bool& csv_ = Flag("--csv", Say("help.csv"));
};

}  // namespace

std::unique_ptr<Subcommand> DeclareCurve(CLI::App& app) { return std::make_unique<CurveSubcommand>(app); }

}  // namespace kestavel::cli
