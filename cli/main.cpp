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
    "  kestavel-cli rate ... --exact\n"
    "  kestavel-cli estimate (--first-strike P | --shut-out P --enemies N) --allies ... --exact [--observed K/N]\n"
    "  kestavel-cli estimate --observed K/N [--enemies N] --allies A1,...,A5 [--json]\n"
    "  kestavel-cli roster FILE [--json]\n"
    "\n"
    "Each run simulates 100000 turns, as the window does. Missing ally speeds count as 0.\n"
    "Numbers are whole 32-bit integers; --seed X (0 to 4294967295) fixes every result.\n"
    "--exact: rates computed exactly, each factor uniform on [0.6, 1.0) (to within 2^-32).\n"
    "  rate prints them after the simulated ones (JSON: exactShutOutRate, exactFirstStrikeRate).\n"
    "  estimate uses them in place of runs, instantly and without --seed: same candidates, a\n"
    "  candidate's distance is |P*1000 - 100000*p| for its exact probability p, ties go to\n"
    "  the higher speed, same table (JSON rows add exactFirstStrikeRate, exactShutOutRate).\n"
    "--observed K/N: K of N encounters (0 <= K <= N <= 1000000) in which the party moved first:\n"
    "  first strikes, or with --shut-out or --enemies shut-outs of that many enemies. Lists every\n"
    "  candidate speed whose exact rate lies in the two-sided 95 % Clopper-Pearson interval of\n"
    "  K/N (an exact binomial test), and the maximum-likelihood speed (ties: the higher).\n"
    "  Implies --exact; without P the table centres on the maximum-likelihood speed.\n"
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
