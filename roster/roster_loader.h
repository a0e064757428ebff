#pragma once
// Reading the roster file `speed.txt` into the simulator's roster table.

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

#include "engine/speed_simulator.h"
#include "roster/message_box_sink.h"

namespace kestavel {

// Why a line of the file did not become a row.
enum class DropReason {
    kBlankLine,          // nothing but white space
    kMissingField,       // fewer than four fields (or a number field without digits)
    kFieldTooLong,       // a label over 98 bytes or a name over 998 bytes
    kNumberBelowOne,     // the third field is 0 or negative
    kOverCapacity,       // the table already holds 10000 rows
};

const char* DropReasonText(DropReason reason);  // plain ASCII, for roster authors

struct DroppedLine {
    long lineNumber;  // 1 for the first line of the file
    DropReason reason;
};

// What a load found; only the command-line tool asks for it.
struct RosterLoadReport {
    std::vector<DroppedLine> dropped;
};

// The file's path: `directory`, a backslash, "speed.txt" (the backslash is added even when
// the directory already ends with one).
std::string RosterPathFor(const std::string& directory);

// How a path, in code page 932 bytes, names a file on this system. The Windows program reads
// the bytes as code page 932 whatever the system's own code page is.
class FilePathDecoder {
public:
    virtual ~FilePathDecoder() = default;
    virtual std::filesystem::path PathOf(const std::string& cp932Path) const = 0;
};

// The bytes as they are: how the native programs name files.
const FilePathDecoder& BytesAsPath();

// Reads the roster file of `directory` (see RosterPathFor) into `simulator.roster`, filling
// rows from 0 upward. Returns true when the file failed to open (after telling the user
// through `messageBox`), false otherwise, also when the file held no usable line.
bool LoadRoster(SpeedSimulator& simulator, std::string directory, MessageBoxSink& messageBox,
                const FilePathDecoder& decoder = BytesAsPath());

// The same for a file named by its own path; dropped lines are reported when `report` is given.
bool LoadRosterFile(SpeedSimulator& simulator, const std::string& path, MessageBoxSink& messageBox,
                    RosterLoadReport* report = nullptr, const FilePathDecoder& decoder = BytesAsPath());

// Reads the lines of an opened roster into the table, one pass to the end of the stream or
// the first read error.
void ReadRosterLines(RosterTable& table, std::istream& lines, RosterLoadReport* report);

}  // namespace kestavel
