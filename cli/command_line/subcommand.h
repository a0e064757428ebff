#pragma once
// A subcommand's options as CLI11 collects them: values kept as text, to be read strictly once
// the whole line is parsed, and flags. Each subcommand declares its options as members, in the
// order its help lists them, and reads them into the command to run once it is the one parsed.

#include <CLI/CLI.hpp>
#include <deque>
#include <string>

#include "cli/command_line/command_line.h"
#include "cli/command_line/help_format.h"
#include "cli/command_line/program_options.h"

namespace kestavel::cli {

// An option's value kept as text.
struct Valued {
    std::string name;
    std::string text;
    CLI::Option* option = nullptr;
    bool Given() const { return option->count() > 0; }
};

class Subcommand {
public:
    Subcommand(CLI::App& app, const char* name, const std::string& help) : app_(app.add_subcommand(name, help)) {
        UseCatalogueHelp(*app_);
        AddProgramOptions(*app_, encoding_, language_);
    }
    virtual ~Subcommand() = default;
    // CLI11 writes to the values and flags where they stand.
    Subcommand(const Subcommand&) = delete;
    Subcommand& operator=(const Subcommand&) = delete;

    const std::string& Name() const { return app_->get_name(); }
    bool Parsed() const { return app_->parsed(); }

    // What was typed, as the command to run; a UsageError when it cannot be run as given.
    virtual CommandLine Read() const = 0;

protected:
    const Valued& Value(const std::string& name, const char* form, const std::string& help, bool required = false);
    // A value given without an option's name, and required.
    const Valued& Operand(const std::string& name, const std::string& help);
    bool& Flag(const std::string& name, const std::string& help);

private:
    CLI::App* app_;
    std::deque<Valued> values_;
    std::deque<bool> flags_;
    std::string encoding_;
    std::string language_;
};

}  // namespace kestavel::cli
