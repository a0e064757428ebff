#pragma once
// A command line that cannot be run as given; main names it and exits with kExitUsage.

#include <stdexcept>

namespace kestavel::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kestavel::cli
