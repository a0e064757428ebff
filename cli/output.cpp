#include "cli/output.h"

#include <cstdio>

#include "cli/exit_status.h"
#include "commands/cli_messages.h"

namespace kestavel::cli {

void WriteOut(std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }

void WriteError(std::string_view utf8) {
    std::string line = kProgramPrefix;
    line += utf8;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

int FinishOutput(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    WriteError(kCannotWriteOutput);
    return kExitIoError;
}

}  // namespace kestavel::cli
