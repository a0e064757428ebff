// `roster`: the file to read, and the format.

#include "cli/command_line/subcommands/subcommands.h"

#include <memory>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/subcommands/option_reading.h"

namespace kestavel::cli {

using report::Say;

namespace {

class RosterSubcommand final : public Subcommand {
public:
    explicit RosterSubcommand(CLI::App& app) : Subcommand(app, "roster", Say("help.roster")) {}

    CommandLine Read() const override {
        CommandLine line;
        line.command = Command::kRoster;
        line.format = FormatOf(json_, false, false);
        line.rosterFile = file_.text;
        return line;
    }

private:
    const Valued& file_ = Operand("FILE", Say("help.rosterFile"));
    const bool& json_ = Flag("--json", Say("help.json"));
};

}  // namespace

std::unique_ptr<Subcommand> DeclareRoster(CLI::App& app) { return std::make_unique<RosterSubcommand>(app); }

}  // namespace kestavel::cli
