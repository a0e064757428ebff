// `need`: its options, and what was typed read into its request.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"

namespace kestavel::cli {

using report::Say;

namespace {

// The percent to reach, one of two.
void ReadTarget(const Valued& firstStrike, const Valued& shutOut, analysis::NeedRequest& in) {
    if (firstStrike.Given() && shutOut.Given()) throw UsageError(Say("usage.onePercent", {"need"}));
    if (!firstStrike.Given() && !shutOut.Given()) throw UsageError(Say("usage.needWhat"));
    const Valued& given = firstStrike.Given() ? firstStrike : shutOut;
    const auto percent = static_cast<int32_t>(ParseStrictInteger(given.text, kTargetPercentRange.lowest, kTargetPercentRange.highest, given.name));
    (firstStrike.Given() ? in.firstStrike : in.shutOut) = percent;
}

class NeedSubcommand final : public Subcommand {
public:
    explicit NeedSubcommand(CLI::App& app) : Subcommand(app, "need", Say("help.need")) {}

    CommandLine Read() const override {
        CommandLine line;
        line.command = Command::kNeed;
        line.format = FormatOf(json_, csv_, false);
        analysis::NeedRequest& in = line.need;
        ReadTarget(firstStrike_, shutOut_, in);
        in.enemies = GroupOf(speed_, enemies_, listed_, "need");
        in.allies = ParseAllySpeeds(allies_.text);
        if (member_.Given()) in.member = static_cast<int32_t>(ParseStrictInteger(member_.text, 1, kAllyCount, "--member"));
        return line;
    }

private:
    const Valued& firstStrike_ = Value("--first-strike", "P", Say("help.needFirstStrike"));
    const Valued& shutOut_ = Value("--shut-out", "P", Say("help.needShutOut"));
    const Valued& speed_ = Value("--enemy-speed", "S", Say("help.enemySpeed"));
    const Valued& enemies_ = Value("--enemies", "N", Say("help.enemies"));
    const Valued& listed_ = Value("--enemy-speeds", "S1,...", Say("help.enemySpeeds"));
    const Valued& allies_ = Value("--allies", "A1,...", Say("help.allies"), true);
    const Valued& member_ = Value("--member", "K", Say("help.member"));
    const bool& json_ = Flag("--json", Say("help.json"));
    const bool& csv_ = Flag("--csv", Say("help.csv"));
};

}  // namespace

std::unique_ptr<Subcommand> DeclareNeed(CLI::App& app) { return std::make_unique<NeedSubcommand>(app); }

}  // namespace kestavel::cli
