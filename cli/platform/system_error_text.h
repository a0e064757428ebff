#pragma once
// Why the system refused to open, read or write a file, in our own words: the same on every
// system, where each C library words its errors its own way.

#include <string>

namespace kestavel::cli {

// An errno value as a reason: "no such file", "permission denied", or "system error N".
std::string SystemErrorText(int error);

}  // namespace kestavel::cli
