#include "roster/roster_loader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/debug_trace.h"
#include "engine/number_text.h"
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

void SetRosterPathDecoder(RosterPathDecoder decoder) { pathDecoder = decoder ? decoder : PathAsItIs; }

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
