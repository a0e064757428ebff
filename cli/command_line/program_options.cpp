#include "cli/command_line/program_options.h"

#include <optional>
#include <string_view>
#include <utility>

#include "report/catalogue/catalogue.h"
#include "cli/output/output.h"
#include "report/text/shown_text.h"

namespace kestavel::cli {

using report::Say;
using report::UseLanguage;
using report::LanguageNamed;
using report::ShownArgument;

namespace {

struct ProgramOption {
    std::string_view name;
    std::string_view typeName;
    std::string_view choices;  // as the help and a refusal list them
    std::string (*help)();
    bool (*known)(std::string_view value);
    void (*use)(std::string_view value);
};

constexpr ProgramOption kProgramOptions[] = {
    {"--encoding", "ENC", "{utf-8,cp932}", [] { return Say("help.encoding"); },
     [](std::string_view value) { return EncodingNamed(value).has_value(); },
     [](std::string_view value) { SetOutputEncoding(*EncodingNamed(value)); }},
    {"--lang", "LANG", "{ja,en}", [] { return Say("help.lang"); },
     [](std::string_view value) { return LanguageNamed(value).has_value(); },
     [](std::string_view value) { UseLanguage(*LanguageNamed(value)); }},
};

// The program option at `argv[at]`, as "--name value" or "--name=value", with its value; `at`
// then stands after it. Nothing, and `at` unmoved, when there is none.
std::optional<std::pair<const ProgramOption*, std::string_view>> ProgramOptionAt(int argc, char** argv, int& at) {
    const std::string_view argument = argv[at];
    for (const ProgramOption& option : kProgramOptions) {
        if (argument == option.name && at + 1 < argc) {
            at += 2;
            return std::pair{&option, std::string_view(argv[at - 1])};
        }
        if (argument.starts_with(option.name) && argument.size() > option.name.size() && argument[option.name.size()] == '=') {
            at += 1;
            return std::pair{&option, argument.substr(option.name.size() + 1)};
        }
    }
    return std::nullopt;
}

}  // namespace

void TakeProgramOptions(int argc, char** argv) {
    for (int at = 1; at < argc;) {
        const auto option = ProgramOptionAt(argc, argv, at);
        if (!option) {
            ++at;
        } else if (option->first->known(option->second)) {
            option->first->use(option->second);
        }
    }
}

std::string CommandName(int argc, char** argv) {
    int at = 1;
    while (at < argc && ProgramOptionAt(argc, argv, at)) {
    }
    return at < argc && argv[at][0] != '-' ? argv[at] : "";
}

void AddProgramOptions(CLI::App& app, std::string& encoding, std::string& language) {
    std::string* values[] = {&encoding, &language};
    for (size_t i = 0; i < std::size(kProgramOptions); ++i) {
        const ProgramOption& option = kProgramOptions[i];
        // CLI11's own check of a set of names would word its refusal itself.
        const auto check = [&option](std::string& value) {
            return option.known(value) ? std::string()
                                       : Say("usage.notOneOf", {option.choices, ShownArgument(value.substr(0, 40))});
        };
        app.add_option(std::string(option.name), *values[i], option.help())
            ->type_name(std::string(option.typeName))
            ->check(CLI::Validator(check, std::string(option.choices)));
    }
}

}  // namespace kestavel::cli
