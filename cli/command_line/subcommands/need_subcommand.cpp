// `need`: its options, and what was typed read into its request.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "cli/cli_messages.h"
#include "cli/command_line/strict_numbers.h"
#include "cli/command_line/subcommands/option_reading.h"
#include "cli/command_line/usage_error.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

// The percent to reach, one of two.
void ReadTarget(const Valued& firstStrike, const Valued& shutOut, analysis::NeedRequest& in) {
    if (firstStrike.Given() && shutOut.Given()) throw UsageError(FormatText(200, kUsageOnePercent, {"need"}));
    if (!firstStrike.Given() && !shutOut.Given()) throw UsageError(kUsageNeedWhat);
    const Valued& given = firstStrike.Given() ? firstStrike : shutOut;
    const auto percent = static_cast<int32_t>(ParseStrictInteger(given.text, kTargetPercentRange.lowest, kTargetPercentRange.highest, given.name));
    (firstStrike.Given() ? in.firstStrike : in.shutOut) = percent;
}

class NeedSubcommand final : public Subcommand {
public:
    explicit NeedSubcommand(CLI::App& app) : Subcommand(app, "need", kHelpNeed) {}

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
    const Valued& firstStrike_ = Value("--first-strike", "P", kHelpNeedFirstStrike);
    const Valued& shutOut_ = Value("--shut-out", "P", kHelpNeedShutOut);
    const Valued& speed_ = Value("--enemy-speed", "S", kHelpEnemySpeed);
    const Valued& enemies_ = Value("--enemies", "N", kHelpEnemies);
    const Valued& listed_ = Value("--enemy-speeds", "S1,...", kHelpEnemySpeeds);
    const Valued& allies_ = Value("--allies", "A1,...", kHelpAllies, true);
    const Valued& member_ = Value("--member", "K", kHelpMember);
    const bool& json_ = Flag("--json", kHelpJson);
    const bool& csv_ = Flag("--csv", kHelpCsv);
};

}  // namespace

std::unique_ptr<Subcommand> DeclareNeed(CLI::App& app) { return std::make_unique<NeedSubcommand>(app); }

}  // namespace kestavel::cli
