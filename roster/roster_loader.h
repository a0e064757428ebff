#pragma once
// Reading the roster file `speed.txt` into a roster table.

#include <filesystem>
#include <istream>
#include <string>
#include <vector>

#include "roster/roster_encoding.h"
#include "roster/roster_table.h"
#include "roster/message_box_sink.h"

namespace kestavel {

// Why a line of the file did not become a row.
enum class DropReason {
    kBlankLine,          // nothing but white space
    kMissingField,       // fewer than four fields, or a number field without digits
    kFieldTooLong,       // a label over 98 bytes or a name over 998 bytes
    kNumberBelowOne,     // the third field is 0 or negative
    kOverCapacity,       // the table already holds 10000 rows
};

struct DroppedLine {
    long lineNumber;  // 1 for the first line of the file
    DropReason reason;
    int fieldsRead = 0;          // the fields read before the line stopped
    bool notANumber = false;     // kMissingField: the number or speed field holds a non-number
    int32_t number = 0;          // kNumberBelowOne: the number read (and for numberRunsOn)
    bool numberRunsOn = false;   // the number's digits ran on into other bytes, which the scan
                                 // then took as the speed ("12abc 5")
};

// What the window accepts but the roster's author probably did not mean.
enum class RowWarning {
    kSpeedBelowOne,   // a speed of 0 or below, which the rate calculation refuses
    kNumberRunsOn,    // the number's digits are followed by other bytes ("12abc" reads as 12)
    kSpeedRunsOn,     // the same for the speed
    kMoreThanFour,    // more than four fields: the rest is ignored
    kNumberOverflows, // the number's digits lie beyond the 32-bit range: it reads as the nearest limit
    kSpeedOverflows,  // the same for the speed
};

struct WarnedLine {
    long lineNumber;
    RowWarning warning;
    int32_t value = 0;  // the number or speed as read
};

// What a load found; only the command-line tool asks for it.
struct RosterLoadReport {
    std::vector<DroppedLine> dropped;
    std::vector<WarnedLine> warnings;
    bool readFailed = false;  // the stream failed before its end: the rows are those read so far
    RosterEncoding encoding = RosterEncoding::kCodePage932;  // what the bytes read look like
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

// Reads the roster file of `directory` (see RosterPathFor) into `table`, filling
// rows from 0 upward. Returns true when the file failed to open (after telling the user
// through `messageBox`), false otherwise, also when the file held no usable line.
bool LoadRoster(RosterTable& table, std::string directory, MessageBoxSink& messageBox,
                const FilePathDecoder& decoder = BytesAsPath());

// The same for a file named by its own path; dropped lines are reported when `report` is given.
bool LoadRosterFile(RosterTable& table, const std::string& path, MessageBoxSink& messageBox,
                    RosterLoadReport* report = nullptr, const FilePathDecoder& decoder = BytesAsPath());

// Reads the lines of an opened roster into the table, one pass to the end of the stream or
// the first read error. Memory stays bounded by the line holders however long a line is.
void ReadRosterLines(RosterTable& table, std::istream& lines, RosterLoadReport* report);

}  // namespace kestavel
