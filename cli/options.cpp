#include "cli/options.h"

#include <limits>

namespace kestavel::cli {

Options::Options(const std::vector<std::string>& args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            positional_.push_back(arg);
            continue;
        }
        if (Has(arg)) throw UsageError(arg + " is given twice");
        if (flags.count(arg)) {
            flags_.insert(arg);
        } else if (valued.count(arg)) {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            values_[arg] = args[++i];
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
}

std::optional<std::string> Options::Value(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string Options::Required(const std::string& name) const {
    auto value = Value(name);
    if (!value) throw UsageError(name + " is required");
    return *value;
}

int64_t ParseStrictInteger(const std::string& text, int64_t min, int64_t max, const std::string& what) {
    const std::string problem = what + " must be a whole number from " + std::to_string(min) + " to " +
                                std::to_string(max) + ", not '" + text + "'";
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == text.size() || text.size() - i > 19) throw UsageError(problem);
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') throw UsageError(problem);
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > int64_t{1} << 40) throw UsageError(problem);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < min || value > max) throw UsageError(problem);
    return value;
}

std::vector<int32_t> ParseAllySpeeds(const std::string& text) {
    std::vector<int32_t> speeds;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        speeds.push_back(static_cast<int32_t>(ParseStrictInteger(item, std::numeric_limits<int32_t>::min(),
                                                                 std::numeric_limits<int32_t>::max(), "an ally speed")));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (speeds.size() > 5) throw UsageError("--allies takes at most five speeds");
    return speeds;
}

}  // namespace kestavel::cli
