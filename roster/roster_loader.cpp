#include "roster/roster_loader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "commands/cli_messages.h"
#include "engine/debug_trace.h"
#include "engine/number_text.h"
#include "roster/roster_line_reader.h"
#include "roster/roster_line_scan.h"

namespace kestavel {

namespace {

std::filesystem::path PathAsItIs(const std::string& cp932Path) {
    std::string path = cp932Path;
#ifndef _WIN32
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
#endif
    return path;
}

RosterPathDecoder pathDecoder = PathAsItIs;

DroppedLine DropFor(long lineNumber, const RosterLineFields& fields, const RosterLine& line) {
    DroppedLine dropped{lineNumber, DropReason::kMissingField, fields.fieldsRead, fields.stoppedAtText};
    if (fields.stop == LineScanStop::kFieldTooLong) {
        dropped.reason = DropReason::kFieldTooLong;
    } else if (line.blank) {
        dropped.reason = DropReason::kBlankLine;
    }
    return dropped;
}

void NoteWarnings(long lineNumber, const RosterLineFields& fields, const RosterLine& line, RosterLoadReport& report) {
    if (fields.speed < 1) report.warnings.push_back({lineNumber, RowWarning::kSpeedBelowOne, fields.speed});
    if (fields.numberRunsOn) report.warnings.push_back({lineNumber, RowWarning::kNumberRunsOn, fields.number});
    if (fields.speedRunsOn) report.warnings.push_back({lineNumber, RowWarning::kSpeedRunsOn, fields.speed});
    if (fields.moreThanFour || line.overFourTokens) report.warnings.push_back({lineNumber, RowWarning::kMoreThanFour});
}

}  // namespace

void SetRosterPathDecoder(RosterPathDecoder decoder) { pathDecoder = decoder ? decoder : PathAsItIs; }

const char* DropReasonText(DropReason reason) {
    switch (reason) {
        case DropReason::kBlankLine: return kDropBlankLine;
        case DropReason::kMissingField: return kDropMissingField;
        case DropReason::kFieldTooLong: return kDropFieldTooLong;
        case DropReason::kNumberBelowOne: return kDropNumberBelowOne;
        case DropReason::kOverCapacity: return kDropOverCapacity;
    }
    return "";
}

std::string RosterPathFor(const std::string& directory) { return directory + "\\speed.txt"; }

bool LoadRoster(SpeedSimulator& simulator, std::string directory, MessageBoxSink& messageBox) {
    return LoadRosterFile(simulator, RosterPathFor(directory), messageBox);
}

bool LoadRosterFile(SpeedSimulator& simulator, const std::string& path, MessageBoxSink& messageBox,
                    RosterLoadReport* report) {
    DebugPrint("%s\n", path);
    const std::filesystem::path fileSystemPath = pathDecoder(path);
    std::error_code error;
    std::ifstream file;
    // A directory opens as a stream on some systems but never holds a roster.
    if (!std::filesystem::is_directory(fileSystemPath, error)) file.open(fileSystemPath, std::ios::binary);
    if (!file.is_open() || file.fail()) {
        messageBox.ShowMessage("file:speed.txt 読み込み失敗", "error!!");
        return true;
    }

    ReadRosterLines(simulator.roster, file, report);
    return false;
}

void ReadRosterLines(RosterTable& table, std::istream& lines, RosterLoadReport* report) {
    int32_t rows = 0;
    long lineNumber = 0;
    RosterLineReader reader(lines);
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
    if (report) report->readFailed = reader.ReadFailed();
}

}  // namespace kestavel
