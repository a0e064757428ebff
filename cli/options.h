#pragma once
// Command-line options of kestavel-cli: `--name value` pairs and bare flags, parsed strictly.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestavel::cli {

// A malformed command line; main prints the message with the usage and exits with 64.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Options {
public:
    // `valued` names take a value, `flags` take none; anything else is a usage error, and so
    // is a name given twice.
    Options(const std::vector<std::string>& args, const std::set<std::string>& valued, const std::set<std::string>& flags);

    bool Has(const std::string& name) const { return values_.count(name) != 0 || flags_.count(name) != 0; }
    bool Flag(const std::string& name) const { return flags_.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
    std::string Required(const std::string& name) const;

    const std::vector<std::string>& Positional() const { return positional_; }

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
};

// A whole number in [min, max], written in decimal with an optional leading minus sign and
// nothing else; otherwise a usage error naming `what`.
int64_t ParseStrictInteger(const std::string& text, int64_t min, int64_t max, const std::string& what);

// "A1,A2,...": one to five 32-bit integers.
std::vector<int32_t> ParseAllySpeeds(const std::string& text);

}  // namespace kestavel::cli
