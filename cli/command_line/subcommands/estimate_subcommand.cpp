// `estimate`: its options, and what was typed read into its request.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "cli/cli_messages.h"
#include "cli/command_line/seed.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

class EstimateSubcommand final : public Subcommand {
public:
    explicit EstimateSubcommand(CLI::App& app) : Subcommand(app, "estimate", kHelpEstimate) {}

    CommandLine Read() const override {
        CommandLine line;
        line.command = Command::kEstimate;
        line.format = FormatOf(json_, csv_, false);
        analysis::EstimateRequest& in = line.estimate;
        in.allies = ParseAllySpeeds(allies_.text);
        if (firstStrike_.Given() && shutOut_.Given()) throw UsageError(FormatText(200, kUsageOnePercent, {"estimate"}));
        if (firstStrike_.Given()) {
            if (enemies_.Given()) throw UsageError(kUsageFirstStrikeEnemies);
            in.firstStrike = NumberOf(firstStrike_);
        }
        if (shutOut_.Given()) {
            if (!enemies_.Given()) throw UsageError(kUsageShutOutEnemies);
            in.shutOut = NumberOf(shutOut_);
        }
        if (enemies_.Given()) in.enemies = NumberOf(enemies_);
        if (observed_.Given()) in.observed = ParseObservedCount(observed_.text);
        if (!in.firstStrike && !in.shutOut && !in.observed) throw UsageError(kUsageEstimateWhat);
        in.exact = exact_ || in.observed;
        if (in.exact && seed_.Given()) throw UsageError(kUsageExactSeed);
        in.seed = seed_.Given() ? ParseSeed(seed_.text) : in.exact ? 0 : DrawSeed();
        in.threads = ThreadsOf(threads_);
        return line;
    }

private:
    const Valued& firstStrike_ = Value("--first-strike", "P", kHelpFirstStrike);
    const Valued& shutOut_ = Value("--shut-out", "P", kHelpShutOut);
    const Valued& enemies_ = Value("--enemies", "N", kHelpEstimateEnemies);
    const Valued& allies_ = Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& seed_ = Value("--seed", "X", kHelpSeed);
    const Valued& threads_ = Value("--threads", "N", kHelpThreads);
    const Valued& observed_ = Value("--observed", "K/N", kHelpObserved);
    const bool& exact_ = Flag("--exact", kHelpEstimateExact);
    const bool& json_ = Flag("--json", kHelpJson);
    const bool& csv_ = Flag("--csv", kHelpCsv);
};

}  // namespace

std::unique_ptr<Subcommand> DeclareEstimate(CLI::App& app) { return std::make_unique<EstimateSubcommand>(app); }

}  // namespace kestavel::cli
