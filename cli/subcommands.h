#pragma once
// The subcommands of kestavel-cli. Each takes the arguments after its name and returns the
// process's exit status: 0 done, 2 input refused (the window's message on stderr), 64 usage.

#include <string>
#include <vector>

namespace kestavel::cli {

constexpr int kExitRefused = 2;
constexpr int kExitUsage = 64;

int RunRate(const std::vector<std::string>& args);
int RunEstimate(const std::vector<std::string>& args);
int RunRoster(const std::vector<std::string>& args);

}  // namespace kestavel::cli
