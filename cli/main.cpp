// kestavel-cli: the simulator's calculations from a terminal or a script.

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/subcommands.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  kestavel-cli rate --allies A1,A2,A3,A4,A5 --enemy-speed S --enemies N [--seed X] [--json]\n"
    "  kestavel-cli estimate --first-strike P --allies A1,...,A5 [--seed X] [--json]\n"
    "  kestavel-cli estimate --shut-out P --enemies N --allies A1,...,A5 [--seed X] [--json]\n"
    "  kestavel-cli roster FILE [--json]\n"
    "\n"
    "Each run simulates 100000 turns, as the window does. Missing ally speeds count as 0.\n"
    "Numbers are whole 32-bit integers; --seed X (0 to 4294967295) fixes every result.\n"
    "roster lists a roster file's entries as the window's list shows them (then a tab and the\n"
    "speed), and on stderr every line that was dropped and why.\n"
    "Exit status: 0 done, 2 input refused (the reason on stderr), 64 usage error.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace kestavel::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? kExitUsage : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "rate") return RunRate(args);
        if (command == "estimate") return RunEstimate(args);
        if (command == "roster") return RunRoster(args);
        throw UsageError("unknown command '" + command + "'");
    } catch (const UsageError& error) {
        std::fprintf(stderr, "kestavel-cli: %s\n%s", error.what(), kUsage);
        return kExitUsage;
    }
}
