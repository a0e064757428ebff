#pragma once
// A subcommand's options as CLI11 collects them: values kept as text, to be read strictly once
// the whole line is parsed, and flags.

#include <CLI/CLI.hpp>
#include <deque>
#include <string>

namespace kestavel::cli {

// An option's value kept as text.
struct Valued {
    std::string name;
    std::string text;
    CLI::Option* option = nullptr;
    bool Given() const { return option->count() > 0; }
};

// --encoding, on the program and on every command, so that it may stand before or after the
// command's name.
void AddEncodingOption(CLI::App& app, std::string& name);

class Subcommand {
public:
    Subcommand(CLI::App& app, const char* name, const char* help) : app_(app.add_subcommand(name, help)) {
        AddEncodingOption(*app_, encoding_);
    }

    const Valued& Value(const std::string& name, const char* form, const char* help, bool required = false);
    bool& Flag(const std::string& name, const char* help);
    CLI::App* App() const { return app_; }

private:
    CLI::App* app_;
    std::deque<Valued> values_;
    std::deque<bool> flags_;
    std::string encoding_;
};

}  // namespace kestavel::cli
