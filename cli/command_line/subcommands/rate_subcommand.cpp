// `rate`: its options, and what was typed read into its request.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"

namespace kestavel::cli {

using report::Say;

namespace {

class RateSubcommand final : public Subcommand {
public:
    explicit RateSubcommand(CLI::App& app) : Subcommand(app, "rate", Say("help.rate")) {}

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
        if (!in.simulate && seed_.Given()) throw UsageError(Say("usage.rateSeed"));
        in.seed = SeedOf(seed_, in.simulate, line);
        return line;
    }

private:
    const Valued& allies_ = Value("--allies", "A1,...", Say("help.allies"), true);
    const Valued& speed_ = Value("--enemy-speed", "S", Say("help.enemySpeed"));
    const Valued& enemies_ = Value("--enemies", "N", Say("help.enemies"));
    const Valued& listed_ = Value("--enemy-speeds", "S1,...", Say("help.enemySpeeds"));
    const Valued& seed_ = Value("--seed", "X", Say("help.seed"));
    const bool& exact_ = Flag("--exact", Say("help.rateExact"));
    const bool& simulate_ = Flag("--simulate", Say("help.rateSimulate"));
    const bool& json_ = Flag("--json", Say("help.json"));
    const bool& csv_ = Flag("--csv", Say("help.csv"));
};

}  // namespace

std::unique_ptr<Subcommand> DeclareRate(CLI::App& app) { return std::make_unique<RateSubcommand>(app); }

}  // namespace kestavel::cli
