// `estimate`: its options, and what was typed read into its request.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"

namespace kestavel::cli {

using report::Say;

namespace {

class EstimateSubcommand final : public Subcommand {
public:
    explicit EstimateSubcommand(CLI::App& app) : Subcommand(app, "estimate", Say("help.estimate")) {}

    CommandLine Read() const override {
        CommandLine line;
        line.command = Command::kEstimate;
        line.format = FormatOf(json_, csv_, false);
        analysis::EstimateRequest& in = line.estimate;
        in.allies = ParseAllySpeeds(allies_.text);
        if (firstStrike_.Given() && shutOut_.Given()) throw UsageError(Say("usage.onePercent", {"estimate"}));
        if (firstStrike_.Given()) {
            if (enemies_.Given()) throw UsageError(Say("usage.firstStrikeEnemies"));
            in.firstStrike = ObservedPercentOf(firstStrike_);
        }
        if (shutOut_.Given()) {
            if (!enemies_.Given()) throw UsageError(Say("usage.shutOutEnemies"));
            in.shutOut = ObservedPercentOf(shutOut_);
        }
        if (enemies_.Given()) in.enemies = NumberOf(enemies_);
        if (observed_.Given()) in.observed = ParseObservedCount(observed_.text);
        if (!in.firstStrike && !in.shutOut && !in.observed) throw UsageError(Say("usage.estimateWhat"));
        in.exact = exact_ || in.observed;
        if (in.exact && seed_.Given()) throw UsageError(Say("usage.exactSeed"));
        in.seed = SeedOf(seed_, !in.exact, line);
        in.threads = ThreadsOf(threads_);
        return line;
    }

private:
    const Valued& firstStrike_ = Value("--first-strike", "P", Say("help.firstStrike"));
    const Valued& shutOut_ = Value("--shut-out", "P", Say("help.shutOut"));
    const Valued& enemies_ = Value("--enemies", "N", Say("help.estimateEnemies"));
    const Valued& allies_ = Value("--allies", "A1,...", Say("help.allies"), true);
    const Valued& seed_ = Value("--seed", "X", Say("help.seed"));
    const Valued& threads_ = Value("--threads", "N", Say("help.threads", {kThreadCountRange.lowest, kThreadCountRange.highest}));
    const Valued& observed_ = Value("--observed", "K/N", Say("help.observed"));
    const bool& exact_ = Flag("--exact", Say("help.estimateExact"));
    const bool& json_ = Flag("--json", Say("help.json"));
    const bool& csv_ = Flag("--csv", Say("help.csv"));
};

}  // namespace

std::unique_ptr<Subcommand> DeclareEstimate(CLI::App& app) { return std::make_unique<EstimateSubcommand>(app); }

}  // namespace kestavel::cli
