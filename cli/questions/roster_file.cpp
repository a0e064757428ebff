#include "cli/questions/roster_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/cli_messages.h"
#include "cli/platform/file_path.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

// Our own words for the usual causes, the same on every system.
std::string ErrorText(int error) {
    switch (error) {
        case ENOENT: return kErrorNoSuchFile;
        case EACCES:
        case EPERM: return kErrorPermission;
        case EISDIR: return kErrorIsDirectory;
        case EIO: return kErrorInputOutput;
        default: return FormatText(100, kErrorNumbered, {error});
    }
}

void Read(RosterRun& run, std::istream& lines) {
    errno = 0;
    run.answer = analysis::AnswerRoster(lines);
    if (run.answer.report.readFailed) run.readError = ErrorText(errno);
}

}  // namespace

RosterRun ReadRosterFile(const std::string& file) {
    RosterRun run;
    run.file = file;
    if (file == "-") {
        Read(run, std::cin);
        return run;
    }
    const std::filesystem::path path = PathFromUtf8(file);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        run.openError = ErrorText(error.value());
        return run;
    }
    if (std::filesystem::is_directory(status)) {
        run.openError = kErrorIsDirectory;
        return run;
    }
    errno = 0;
    std::ifstream stream(path, std::ios::binary);
    if (!stream.is_open()) {
        run.openError = ErrorText(errno);
        return run;
    }
    Read(run, stream);
    return run;
}

}  // namespace kestavel::cli
