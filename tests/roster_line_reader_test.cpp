// A line that crosses the read buffer's end is read in its compact form: every line must give
// the same row, trace and report wherever it lies in the stream.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "tests/fakes.h"
#include "roster/roster_loader.h"

namespace kestavel {
namespace {

struct Reading {
    std::string row;
    std::vector<std::string> trace;
    std::string report;
};

Reading Read(const std::string& content) {
    auto table = std::make_unique<RosterTable>();
    RosterLoadReport report;
    testing::TraceCapture trace;
    std::istringstream stream(content);
    ReadRosterLines(*table, stream, &report);
    Reading r{table->rowCount ? table->label[0] + "|" + table->name[0] + "|" + std::to_string(table->number[0]) + "|" +
                                    std::to_string(table->speed[0])
                              : "",
              trace.lines, ""};
    for (const DroppedLine& d : report.dropped) {
        r.report += "d" + std::to_string(static_cast<int>(d.reason)) + "," + std::to_string(d.fieldsRead) + "," +
                    std::to_string(d.notANumber) + "," + std::to_string(d.number) + ";";
    }
    for (const WarnedLine& w : report.warnings) {
        r.report += "w" + std::to_string(static_cast<int>(w.warning)) + "," + std::to_string(w.value) + ";";
    }
    return r;
}

TEST(RosterLineReader, ALineReadsTheSameAcrossTheBufferEnd) {
    const std::string zeros(300, '0'), nines(40, '9'), blanks(5000, ' ');
    const std::string lines[] = {
        "X Y 3 42",
        "  a\tb  " + zeros + "7 -" + zeros + "12 extra tokens here",
        "l n " + nines + " -" + nines + "x",
        "l n 5+3 more",
        "l n 0" + zeros + " 9",
        "l n +" + zeros + "2147483647 -" + zeros + "2147483648",
        "l n 12abc 5",
        std::string(98, 'L') + " " + std::string(998, 'N') + " 1 1",
        std::string(99, 'L') + " n 1 1",
        "l " + std::string(999, 'N') + " 1 1",
        blanks + "l" + blanks + "n" + blanks + "1" + blanks + "2" + blanks + "e" + blanks + "f",
        std::string("l n 1\0 2", 8),
        std::string("\0tail", 5),
        "# a comment " + zeros,
        blanks,
        "l n - 5",
        "l n 5 +",
        "a b x 5",
    };
    constexpr size_t kChunk = 64 * 1024;
    for (const std::string& line : lines) {
        const Reading alone = Read(line + "\n");
        // A comment line first puts the line's start `before` bytes ahead of the buffer's end.
        for (size_t before : {size_t{1}, size_t{2}, size_t{3}, line.size() / 2, line.size(), line.size() + 1}) {
            if (before + 2 > kChunk) continue;
            const std::string pad = "#" + std::string(kChunk - before - 2, '#') + "\n";
            const Reading crossed = Read(pad + line + "\n");
            EXPECT_EQ(crossed.row, alone.row) << line.substr(0, 40) << " at " << before;
            EXPECT_EQ(crossed.trace, alone.trace) << line.substr(0, 40) << " at " << before;
            EXPECT_EQ(crossed.report, alone.report) << line.substr(0, 40) << " at " << before;
        }
    }
}

}  // namespace
}  // namespace kestavel
