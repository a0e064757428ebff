// `rate`: its options, and what was typed read into its request.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "cli/cli_messages.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"

namespace kestavel::cli {

namespace {

class RateSubcommand final : public Subcommand {
public:
    explicit RateSubcommand(CLI::App& app) : Subcommand(app, "rate", kHelpRate) {}

    CommandLine Read() const override {
        CommandLine line;
        line.command = Command::kRate;
        line.format = FormatOf(json_, csv_, false);
        analysis::RateRequest& in = line.rate;
        in.allies = ParseAllySpeeds(allies_.text);
        in.enemies = GroupOf(speed_, enemies_, listed_, "rate");
        // A listed group is exact by default: only --simulate draws.
        in.simulate = !in.enemies.Listed() || simulate_;
        in.exact = exact_ || in.enemies.Listed();
        if (!in.simulate && seed_.Given()) throw UsageError(kUsageRateSeed);
        in.seed = SeedOf(seed_, in.simulate, line);
        return line;
    }

private:
    const Valued& allies_ = Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& speed_ = Value("--enemy-speed", "S", kHelpEnemySpeed);
    const Valued& enemies_ = Value("--enemies", "N", kHelpEnemies);
    const Valued& listed_ = Value("--enemy-speeds", "S1,...", kHelpEnemySpeeds);
    const Valued& seed_ = Value("--seed", "X", kHelpSeed);
    const bool& exact_ = Flag("--exact", kHelpRateExact);
    const bool& simulate_ = Flag("--simulate", kHelpRateSimulate);
    const bool& json_ = Flag("--json", kHelpJson);
    const bool& csv_ = Flag("--csv", kHelpCsv);
};

}  // namespace

std::unique_ptr<Subcommand> DeclareRate(CLI::App& app) { return std::make_unique<RateSubcommand>(app); }

}  // namespace kestavel::cli
