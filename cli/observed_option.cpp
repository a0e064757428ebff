#include "cli/observed_option.h"

#include "cli/options.h"

namespace kestavel::cli {

BinomialCount ParseObservedCount(const std::string& text) {
    const size_t slash = text.find('/');
    if (slash == std::string::npos) {
        throw UsageError("--observed takes K/N, K of N encounters, not '" + text + "'");
    }
    BinomialCount count{};
    count.trials = ParseStrictInteger(text.substr(slash + 1), 1, kMostObservedEncounters, "N of --observed K/N");
    count.successes = ParseStrictInteger(text.substr(0, slash), 0, count.trials, "K of --observed K/N");
    return count;
}

}  // namespace kestavel::cli
