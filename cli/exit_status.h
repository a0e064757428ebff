#pragma once
// The exit statuses of kestavel-cli, in the sysexits tradition where one fits.

namespace kestavel::cli {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 2;   // the window's checks refused the input
constexpr int kExitUsage = 64;    // a malformed command line
constexpr int kExitNoInput = 66;  // a roster file that cannot be opened
constexpr int kExitIoError = 74;  // a read or write failed part-way

}  // namespace kestavel::cli
