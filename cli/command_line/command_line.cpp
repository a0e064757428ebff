#include "cli/command_line/command_line.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "report/catalogue/catalogue.h"
#include "cli/command_line/help_format.h"
#include "cli/command_line/program_options.h"
#include "cli/command_line/subcommand.h"
#include "cli/command_line/subcommands/subcommands.h"
#include "cli/command_line/usage_error.h"
#include "cli/exit_status.h"
#include "cli/output/output.h"
#include "report/text/shown_text.h"

namespace kestavel::cli {

using report::Say;
using report::ShownArgument;

namespace {

// Where Windows programs take /? for help.
constexpr std::string_view kWindowsHelp = "/?";

std::string HintFor(const std::string& command) {
    return Say("usage.hint", {command.empty() ? std::string() : command + " "});
}

// CLI11's words for what it finds wrong, in ours. Its messages start with the option's name:
// "--enemies: At Most 1 required but received 2", "--allies: 1 required A1,... missing",
// "--allies is required", "Could not convert: --json = abc". Our own checks (a value that is an
// option, a name that is no encoding or language) give our words after the name already.
std::string PlainParseError(const CLI::ParseError& error) {
    const std::string what = error.what();
    if (dynamic_cast<const CLI::ValidationError*>(&error)) return what;
    const size_t colon = what.find(": ");
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) && colon != std::string::npos && what.starts_with("-")) {
        const std::string option = what.substr(0, colon);
        if (what.find("At Most 1 required but received", colon) != std::string::npos) return Say("usage.givenTwice", {option});
        if (what.find(" required ", colon) != std::string::npos && what.ends_with(" missing")) {
            return Say("usage.noValue", {option});
        }
    }
    constexpr std::string_view kRequired = " is required";
    if (dynamic_cast<const CLI::RequiredError*>(&error) && what.ends_with(kRequired)) {
        return Say("usage.required", {what.substr(0, what.size() - kRequired.size())});
    }
    constexpr std::string_view kNotConverted = "Could not convert: ";
    const size_t equals = what.find(" = ");
    if (dynamic_cast<const CLI::ConversionError*>(&error) && what.starts_with(kNotConverted) && equals != std::string::npos) {
        const std::string option = what.substr(kNotConverted.size(), equals - kNotConverted.size());
        return Say("usage.flagValue", {option, ShownArgument(what.substr(equals + 3, 40))});
    }
    return Say("usage.unreadable", {ShownArgument(what)});
}

// Words CLI11 left over, in the order typed: an option the command does not have, or values
// beyond what its options take (a list written with spaces, most often). They come before
// what CLI11 says of the rest, which follows from them ("--allies is required" for a mistyped
// --allies).
std::string LeftOverText(const std::vector<std::string>& left, const std::string& command) {
    for (const std::string& word : left) {
        if (word.rfind("-", 0) == 0) {
            const std::string option = ShownArgument(word.substr(0, std::min<size_t>(word.find('='), 40)));
            return Say("usage.unknownOption", {option, command});
        }
    }
    std::string words;
    bool numbers = true;
    for (const std::string& word : left) {
        words += (words.empty() ? "" : " ") + ShownArgument(word.substr(0, 40));
        numbers = numbers && word.find_first_not_of("0123456789") == std::string::npos;
    }
    return numbers ? Say("usage.notExpectedNumbers", {words}) : Say("usage.notExpected", {words});
}

}  // namespace

std::variant<CommandLine, int> ParseCommandLine(int argc, char** argv) {
    TakeProgramOptions(argc, argv);
    const std::string command = CommandName(argc, argv);

    CLI::App app(Say("help.program"), "kestavel-cli");
    UseCatalogueHelp(app);
    app.set_version_flag("--version", KESTAVEL_VERSION, Say("help.version"));
    std::string encoding, language;
    AddProgramOptions(app, encoding, language);
    app.require_subcommand(1);
    const std::unique_ptr<Subcommand> subcommands[] = {DeclareRate(app), DeclareEstimate(app), DeclareCurve(app),
                                                       DeclareNeed(app), DeclareRoster(app)};
    // Wherever it stands (a roster file of that name cannot exist on Windows).
    if (std::any_of(argv + 1, argv + argc, [](const char* argument) { return argument == kWindowsHelp; })) {
        throw UsageError(Say("usage.windowsHelp") + "\n" + HintFor(command == kWindowsHelp ? "" : command));
    }
    // Answered before CLI11, which would call it an argument it did not expect.
    const auto isCommand = [&](const std::unique_ptr<Subcommand>& subcommand) { return subcommand->Name() == command; };
    if (!command.empty() && std::none_of(std::begin(subcommands), std::end(subcommands), isCommand)) {
        throw UsageError(Say("usage.unknownCommand", {ShownArgument(command.substr(0, 40))}) + "\n" + HintFor(""));
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        // Through our output, as every text: a Windows console shows it whatever its code page.
        WriteOut(app.help());
        return kExitDone;
    } catch (const CLI::CallForVersion& e) {
        WriteOut(std::string(e.what()) + "\n");
        return kExitDone;
    } catch (const CLI::ParseError& e) {
        if (command.empty()) throw UsageError(Say("usage.noCommand") + "\n" + HintFor(""));
        // A value refused (an option taken as a value) explains the words left over after it.
        const std::vector<std::string> left = app.remaining(true);
        const bool refusedValue = dynamic_cast<const CLI::ValidationError*>(&e) != nullptr;
        const std::string what = left.empty() || refusedValue ? PlainParseError(e) : LeftOverText(left, command);
        throw UsageError(what + "\n" + HintFor(command));
    }

    for (const std::unique_ptr<Subcommand>& subcommand : subcommands) {
        if (!subcommand->Parsed()) continue;
        try {
            return subcommand->Read();
        } catch (const UsageError& e) {
            throw UsageError(std::string(e.what()) + "\n" + HintFor(command));
        }
    }
    // Not reached: require_subcommand(1) fails the parse unless one was given.
    throw UsageError(Say("usage.noCommand") + "\n" + HintFor(""));
}

}  // namespace kestavel::cli
