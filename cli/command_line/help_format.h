#pragma once
// The help in the language in use: CLI11's layout with its own words (Usage, Options, REQUIRED,
// ...) taken from the catalogue, and its columns lined up by the terminal columns a text takes
// rather than its bytes, so that Japanese descriptions start where English ones do.

#include <CLI/CLI.hpp>

namespace kestavel::cli {

// On the program's app, before its options and commands are declared, and on each command as it
// is declared: the layout, the groups' names and the help flag's text.
void UseCatalogueHelp(CLI::App& app);

}  // namespace kestavel::cli
