#include "cli/roster_result.h"

#include <cerrno>
#include <fstream>
#include <iostream>

#include "commands/cli_messages.h"
#include "engine/text/text_format.h"

#include <sys/stat.h>

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
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        result.openError = ErrorText(errno);
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.openError = kErrorIsDirectory;
        return result;
    }
    errno = 0;
    std::ifstream stream(file, std::ios::binary);
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
