#include "roster/roster_loader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "text/window_texts.h"
#include "text/debug_trace.h"
#include "text/number_text.h"
#include "roster/roster_line_reader.h"
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

DroppedLine DropFor(long lineNumber, const RosterLineFields& fields, const RosterLine& line) {
    DroppedLine dropped{lineNumber, DropReason::kMissingField, fields.fieldsRead, fields.stoppedAtText};
    dropped.numberRunsOn = fields.numberRunsOn;
    dropped.number = fields.number;
    if (fields.stop == LineScanStop::kFieldTooLong) {
        dropped.reason = DropReason::kFieldTooLong;
    } else if (line.blank) {
        dropped.reason = DropReason::kBlankLine;
    }
    return dropped;
}

void NoteWarnings(long lineNumber, const RosterLineFields& fields, const RosterLine& line, RosterLoadReport& report) {
    if (fields.speed < 1) report.warnings.push_back({lineNumber, RowWarning::kSpeedBelowOne, fields.speed});
    if (fields.numberOverflows) report.warnings.push_back({lineNumber, RowWarning::kNumberOverflows, fields.number});
    if (fields.numberRunsOn) report.warnings.push_back({lineNumber, RowWarning::kNumberRunsOn, fields.number});
    if (fields.speedOverflows) report.warnings.push_back({lineNumber, RowWarning::kSpeedOverflows, fields.speed});
    if (fields.speedRunsOn) report.warnings.push_back({lineNumber, RowWarning::kSpeedRunsOn, fields.speed});
    if (fields.moreThanFour || line.overFourTokens) report.warnings.push_back({lineNumber, RowWarning::kMoreThanFour});
}

bool LoadFrom(RosterTable& table, const std::string& tracedPath, const std::filesystem::path& fileSystemPath,
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

    ReadRosterLines(table, file, report);
    return false;
}

}  // namespace

const FilePathDecoder& BytesAsPath() {
    static const PathFromBytes decoder;
    return decoder;
}

std::string RosterPathFor(const std::string& directory) { return directory + "\\" + kRosterFileName; }

bool LoadRoster(RosterTable& table, std::string directory, MessageBoxSink& messageBox,
                const FilePathDecoder& decoder) {
    const std::string systemPath = directory + kSystemSeparator + kRosterFileName;
    return LoadFrom(table, RosterPathFor(directory), decoder.PathOf(systemPath), messageBox, nullptr);
}

bool LoadRosterFile(RosterTable& table, const std::string& path, MessageBoxSink& messageBox,
                    RosterLoadReport* report, const FilePathDecoder& decoder) {
    return LoadFrom(table, path, decoder.PathOf(path), messageBox, report);
}

void ReadRosterLines(RosterTable& table, std::istream& lines, RosterLoadReport* report) {
    int32_t rows = 0;
    long lineNumber = 0;
    // Only a report wants the guess; the window's own load does without it.
    RosterEncodingGuess encoding;
    RosterLineReader reader(lines, report ? &encoding : nullptr);
    RosterLine line;
    while (reader.Next(line)) {
        ++lineNumber;
        if (line.comment) continue;
        const RosterLineFields fields = ScanRosterLine(line.text);
        DebugPrint("%s %s %d %d \n", fields.label, fields.name, fields.number, fields.speed);
        if (fields.stop != LineScanStop::kComplete) {
            if (report) report->dropped.push_back(DropFor(lineNumber, fields, line));
        } else if (fields.number < 1) {
            if (report) report->dropped.push_back({lineNumber, DropReason::kNumberBelowOne, 4, false, fields.number});
        } else if (rows >= kRosterCapacity) {
            if (report) report->dropped.push_back({lineNumber, DropReason::kOverCapacity, 4});
        } else {
            table.number[rows] = fields.number;
            table.speed[rows] = fields.speed;
            table.name[rows] = fields.name;
            table.label[rows] = fields.label;
            ++rows;
            if (report) NoteWarnings(lineNumber, fields, line, *report);
        }
    }
    table.rowCount = rows;
    if (report) {
        report->readFailed = reader.ReadFailed();
        report->encoding = encoding.Result();
    }
}

}  // namespace kestavel
