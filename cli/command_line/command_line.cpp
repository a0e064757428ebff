#include "cli/command_line/command_line.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_messages.h"
#include "cli/command_line/subcommand.h"
#include "cli/command_line/subcommands/subcommands.h"
#include "cli/command_line/usage_error.h"
#include "cli/output/output.h"
#include "cli/output/terminal_text.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

// Taken before the rest, so that even a malformed command line is answered in the encoding asked
// for; CLI11 then only checks the name.
void TakeEncoding(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::string_view name;
        if (argument == "--encoding" && i + 1 < argc) name = argv[++i];
        else if (argument.rfind("--encoding=", 0) == 0) name = argument.substr(11);
        else continue;
        if (const std::optional<Encoding> encoding = EncodingNamed(name)) SetOutputEncoding(*encoding);
    }
}

// The command's name: the first argument, or the one after a leading --encoding and its value.
std::string CommandName(int argc, char** argv) {
    int at = 1;
    if (at < argc && std::string_view(argv[at]) == "--encoding") at += 2;
    else if (at < argc && std::string_view(argv[at]).rfind("--encoding=", 0) == 0) at += 1;
    return at < argc && argv[at][0] != '-' ? argv[at] : "";
}

std::string HintFor(const std::string& command) {
    return FormatText(200, kUsageHint, {command.empty() ? std::string() : command + " "});
}

// CLI11's words for the two mistakes every option can suffer, in ours: "--enemies: At Most 1
// required but received 2" and "--allies: 1 required A1,... missing".
std::string PlainParseError(const std::string& what) {
    const size_t colon = what.find(": ");
    if (colon == std::string::npos || what.rfind("--", 0) != 0) return what;
    const std::string option = what.substr(0, colon);
    if (what.find("At Most 1 required but received", colon) != std::string::npos) {
        return FormatText(300, kUsageGivenTwice, {option});
    }
    if (what.find(" required ", colon) != std::string::npos && what.size() > 8 && what.ends_with(" missing")) {
        return FormatText(300, kUsageNoValue, {option});
    }
    return what;
}

// Words CLI11 left over, in the order typed: an option the command does not have, or values
// beyond what its options take (a list written with spaces, most often). They come before
// what CLI11 says of the rest, which follows from them ("--allies is required" for a mistyped
// --allies).
std::string LeftOverText(const std::vector<std::string>& left, const std::string& command) {
    for (const std::string& word : left) {
        if (word.rfind("-", 0) == 0) {
            const std::string option = ShownArgument(word.substr(0, std::min<size_t>(word.find('='), 40)));
            return FormatText(300, kUsageUnknownOption, {option, command});
        }
    }
    std::string words;
    bool numbers = true;
    for (const std::string& word : left) {
        words += (words.empty() ? "" : " ") + ShownArgument(word.substr(0, 40));
        numbers = numbers && word.find_first_not_of("0123456789") == std::string::npos;
    }
    return FormatText(300, numbers ? kUsageNotExpectedNumbers : kUsageNotExpected, {words});
}

}  // namespace

std::variant<CommandLine, int> ParseCommandLine(int argc, char** argv) {
    TakeEncoding(argc, argv);
    const std::string command = CommandName(argc, argv);

    CLI::App app(kHelpProgram, "kestavel-cli");
    app.set_version_flag("--version", KESTAVEL_VERSION, kHelpVersion);
    std::string encoding;
    AddEncodingOption(app, encoding);
    app.require_subcommand(1);
    const std::unique_ptr<Subcommand> subcommands[] = {DeclareRate(app), DeclareEstimate(app), DeclareCurve(app),
                                                       DeclareNeed(app), DeclareRoster(app)};
    // Where Windows programs take /? for help, wherever it stands (a roster file of that name
    // cannot exist there).
    if (std::any_of(argv + 1, argv + argc, [](const char* argument) { return std::string_view(argument) == kWindowsHelp; })) {
        throw UsageError(std::string(kUsageWindowsHelp) + "\n" + HintFor(command == kWindowsHelp ? "" : command));
    }
    // Answered before CLI11, which would call it an argument it did not expect.
    const auto isCommand = [&](const std::unique_ptr<Subcommand>& subcommand) { return subcommand->Name() == command; };
    if (!command.empty() && std::none_of(std::begin(subcommands), std::end(subcommands), isCommand)) {
        throw UsageError(FormatText(300, kUsageUnknownCommand, {command.substr(0, 40)}) + "\n" + HintFor(""));
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        if (command.empty()) throw UsageError(std::string(kUsageNoCommand) + "\n" + HintFor(""));
        // A value refused (an option taken as a value) explains the words left over after it.
        const std::vector<std::string> left = app.remaining(true);
        const bool refusedValue = dynamic_cast<const CLI::ValidationError*>(&e) != nullptr;
        const std::string what = left.empty() || refusedValue ? PlainParseError(e.what()) : LeftOverText(left, command);
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
    throw UsageError(std::string(kUsageNoCommand) + "\n" + HintFor(""));
}

}  // namespace kestavel::cli
