#include "roster/roster_loader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "commands/messages.h"
#include "engine/text/debug_trace.h"
#include "engine/text/number_text.h"
#include "roster/roster_line_scan.h"

namespace kestavel {

namespace {

class PathFromBytes final : public FilePathDecoder {
public:
    std::filesystem::path PathOf(const std::string& cp932Path) const override { return cp932Path; }
};

// Between the directory and the file name the trace shows a backslash, as Windows writes it.
// Where the system's separator is a slash, a backslash is an ordinary character of a name, so
// only the one the loader adds becomes a slash there.
constexpr const char* kRosterFileName = "speed.txt";
#ifdef _WIN32
constexpr char kSystemSeparator = '\\';
#else
constexpr char kSystemSeparator = '/';
#endif

bool IsBlankLine(const std::string& line) {
    for (char c : line) {
        if (!IsBlank(c)) return false;
    }
    return true;
}

DropReason ReasonFor(const RosterLineFields& fields, const std::string& line) {
    if (fields.stop == LineScanStop::kFieldTooLong) return DropReason::kFieldTooLong;
    return IsBlankLine(line) ? DropReason::kBlankLine : DropReason::kMissingField;
}

}  // namespace

const FilePathDecoder& BytesAsPath() {
    static const PathFromBytes decoder;
    return decoder;
}

const char* DropReasonText(DropReason reason) {
    switch (reason) {
        case DropReason::kBlankLine: return "blank line";
        case DropReason::kMissingField: return "fewer than four fields";
        case DropReason::kFieldTooLong: return "field too long";
        case DropReason::kNumberBelowOne: return "number below 1";
        case DropReason::kOverCapacity: return "over capacity";
    }
    return "";
}

std::string RosterPathFor(const std::string& directory) { return directory + "\\" + kRosterFileName; }

namespace {

bool LoadFrom(SpeedSimulator& simulator, const std::string& tracedPath, const std::filesystem::path& fileSystemPath,
              MessageBoxSink& messageBox, RosterLoadReport* report) {
    DebugPrint("%s\n", tracedPath);
    std::error_code error;
    std::ifstream file;
    // A directory opens as a stream on some systems but never holds a roster.
    if (!std::filesystem::is_directory(fileSystemPath, error)) file.open(fileSystemPath, std::ios::binary);
    if (!file.is_open() || file.fail()) {
        messageBox.ShowMessage(messages::kRosterOpenFailed, messages::kRosterOpenFailedCaption);
        return true;
    }

    ReadRosterLines(simulator.roster, file, report);
    return false;
}

}  // namespace

bool LoadRoster(SpeedSimulator& simulator, std::string directory, MessageBoxSink& messageBox,
                const FilePathDecoder& decoder) {
    const std::string systemPath = directory + kSystemSeparator + kRosterFileName;
    return LoadFrom(simulator, RosterPathFor(directory), decoder.PathOf(systemPath), messageBox, nullptr);
}

bool LoadRosterFile(SpeedSimulator& simulator, const std::string& path, MessageBoxSink& messageBox,
                    RosterLoadReport* report, const FilePathDecoder& decoder) {
    return LoadFrom(simulator, path, decoder.PathOf(path), messageBox, report);
}

void ReadRosterLines(RosterTable& table, std::istream& lines, RosterLoadReport* report) {
    int32_t rows = 0;
    long lineNumber = 0;
    std::string line;
    auto drop = [&](DropReason reason) {
        if (report) report->dropped.push_back({lineNumber, reason});
    };
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line[0] == '#') continue;
        const RosterLineFields fields = ScanRosterLine(line);
        DebugPrint("%s %s %d %d \n", fields.label, fields.name, fields.number, fields.speed);
        if (fields.stop != LineScanStop::kComplete) {
            drop(ReasonFor(fields, line));
        } else if (fields.number < 1) {
            drop(DropReason::kNumberBelowOne);
        } else if (rows >= kRosterCapacity) {
            drop(DropReason::kOverCapacity);
        } else {
            table.number[rows] = fields.number;
            table.speed[rows] = fields.speed;
            table.name[rows] = fields.name;
            table.label[rows] = fields.label;
            ++rows;
        }
    }
    table.rowCount = rows;
}

}  // namespace kestavel
