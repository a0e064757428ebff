#include "cli/output/chart_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "report/catalogue/catalogue.h"
#include "cli/exit_status.h"
#include "cli/output/output.h"
#include "report/text/shown_text.h"
#include "cli/platform/file_path.h"
#include "cli/platform/system_error_text.h"

namespace kestavel::cli {

using report::Say;
using report::ShownArgument;

namespace {

// Why the chart could not be written. A folder is named as such on every system (Windows
// calls it a permission), and so is the usual cause of a missing file when writing: a folder
// on its path that does not exist.
std::string WhyNotWritten(const std::filesystem::path& path, int error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return Say("system.isDirectory");
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (error == ENOENT && !std::filesystem::is_directory(folder, ignored)) return Say("system.noSuchFolder");
    return SystemErrorText(error);
}

}  // namespace

int WriteChartFile(const std::string& path, const std::string& svg) {
    const std::filesystem::path file = PathFromUtf8(path);
    errno = 0;
    std::ofstream stream(file, std::ios::binary);
    const int openError = stream.is_open() ? 0 : errno;
    stream << svg;
    stream.close();
    if (!stream) {
        WriteError(Say("file.cannotWrite", {ShownArgument(path), WhyNotWritten(file, openError ? openError : errno)}));
        return kExitIoError;
    }
    WriteError(Say("file.chartWritten", {ShownArgument(path)}));
    return kExitDone;
}

}  // namespace kestavel::cli
