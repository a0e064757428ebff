#include "cli/output/output.h"

#include <cstdio>

#include "report/catalogue/catalogue.h"
#include "cli/exit_status.h"
#include "cli/platform/console.h"

namespace kestavel::cli {

using report::Say;

namespace {

Encoding encoding = Encoding::kUtf8;
bool outputFailed = false;

void Write(Stream stream, std::string_view utf8) {
    switch (WriteToConsole(stream, utf8)) {
        case ConsoleWrite::kWritten: return;
        case ConsoleWrite::kFailed: outputFailed = outputFailed || stream == Stream::kOut; return;
        case ConsoleWrite::kNotAConsole: break;
    }
    const std::string bytes = EncodedText(encoding, utf8);
    std::fwrite(bytes.data(), 1, bytes.size(), FileOf(stream));
}

}  // namespace

void SetOutputEncoding(Encoding chosen) { encoding = chosen; }

void WriteOut(std::string_view utf8) { Write(Stream::kOut, utf8); }

void WriteError(std::string_view utf8) {
    std::string line = kProgramPrefix;
    line += utf8;
    line += '\n';
    Write(Stream::kErr, line);
}

void WriteErrorText(std::string_view utf8) { Write(Stream::kErr, utf8); }

int FinishOutput(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && !outputFailed) return status;
    WriteError(Say("file.cannotWriteOutput"));
    return kExitIoError;
}

}  // namespace kestavel::cli
