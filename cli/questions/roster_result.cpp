#include "cli/questions/roster_result.h"

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

}  // namespace

RosterResult RunRoster(const std::string& file) {
    RosterResult result;
    result.file = file;
    result.simulator = std::make_unique<SpeedSimulator>(0u);
    RosterTable& table = result.simulator->roster;
    if (file == "-") {
        ReadRosterLines(table, std::cin, &result.report);
        if (result.report.readFailed) result.readError = ErrorText(errno);
        return result;
    }
    const std::filesystem::path path = PathFromUtf8(file);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        result.openError = ErrorText(error.value());
        return result;
    }
    if (std::filesystem::is_directory(status)) {
        result.openError = kErrorIsDirectory;
        return result;
    }
    errno = 0;
    std::ifstream stream(path, std::ios::binary);
    if (!stream.is_open()) {
        result.openError = ErrorText(errno);
        return result;
    }
    errno = 0;
    ReadRosterLines(table, stream, &result.report);
    if (result.report.readFailed) result.readError = ErrorText(errno);
    return result;
}

}  // namespace kestavel::cli
