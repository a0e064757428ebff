#pragma once
// kestavel-cli's subcommands, each declared on the program's app: rate, estimate, curve, need
// and roster, in the order help lists them.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/command_line/subcommand.h"

namespace kestavel::cli {

std::unique_ptr<Subcommand> DeclareRate(CLI::App& app);
std::unique_ptr<Subcommand> DeclareEstimate(CLI::App& app);
std::unique_ptr<Subcommand> DeclareCurve(CLI::App& app);
std::unique_ptr<Subcommand> DeclareNeed(CLI::App& app);
std::unique_ptr<Subcommand> DeclareRoster(CLI::App& app);

}  // namespace kestavel::cli
