#pragma once
// Writing results and messages; a result that cannot be written is an error of its own.

#include <string>
#include <string_view>

#include "cli/output/output_encoding.h"

namespace kestavel::cli {

// For stdout and stderr both, when they are not a console; UTF-8 until set.
void SetOutputEncoding(Encoding encoding);

void WriteOut(std::string_view utf8);

// What every line of the program's own on stderr starts with.
constexpr const char* kProgramPrefix = "kestavel-cli: ";

// kProgramPrefix and the message, as one line on stderr.
void WriteError(std::string_view utf8);

// Text on stderr as it is (lines, a progress text).
void WriteErrorText(std::string_view utf8);

// Flushes stdout; when some of it could not be written, says so and gives kExitIoError in
// place of `status`.
int FinishOutput(int status);

}  // namespace kestavel::cli
