#pragma once
// --encoding and --lang: options of the program that every command takes too, so that they may
// stand before or after the command's name. Both are taken from the arguments before CLI11
// reads them, so that even a malformed command line is answered in the encoding and the
// language asked for, and the help texts CLI11 is given are in that language already.

#include <CLI/CLI.hpp>
#include <string>

namespace kestavel::cli {

// Sets the output encoding and the language from what the arguments ask for; a name that is
// neither is left to CLI11 to refuse.
void TakeProgramOptions(int argc, char** argv);

// The command's name: the first argument after any program options and their values; empty
// when there is none or an option stands there.
std::string CommandName(int argc, char** argv);

// Declares both on `app` (the program or a command), for the help and for CLI11's check; the
// values land in `encoding` and `language`, which the caller keeps.
void AddProgramOptions(CLI::App& app, std::string& encoding, std::string& language);

}  // namespace kestavel::cli
