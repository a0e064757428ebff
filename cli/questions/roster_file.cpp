#include "cli/questions/roster_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "report/catalogue/catalogue.h"
#include "cli/platform/file_path.h"
#include "cli/platform/system_error_text.h"

namespace kestavel::cli {

using report::Say;

namespace {

void Read(RosterRun& run, std::istream& lines) {
    errno = 0;
    run.answer = analysis::AnswerRoster(lines);
    if (run.answer.report.readFailed) run.readError = SystemErrorText(errno);
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
        run.openError = SystemErrorText(error.value());
        return run;
    }
    if (std::filesystem::is_directory(status)) {
        run.openError = Say("system.isDirectory");
        return run;
    }
    errno = 0;
    std::ifstream stream(path, std::ios::binary);
    if (!stream.is_open()) {
        run.openError = SystemErrorText(errno);
        return run;
    }
    Read(run, stream);
    return run;
}

}  // namespace kestavel::cli
