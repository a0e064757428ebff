// Roster files that are broken, huge or not text at all: nothing may crash, no row may break
// the table's rules, and the reading stays the same on every build.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "tests/fakes.h"
#include "roster/roster_line_scan.h"
#include "commands/roster_list.h"
#include "roster/roster_loader.h"

namespace kestavel {
namespace {

class HostileRoster : public ::testing::Test {
protected:
    std::unique_ptr<RosterTable> table = std::make_unique<RosterTable>();
    RosterLoadReport report;

    void Read(const std::string& content) {
        table->rowCount = 0;
        report = {};
        std::istringstream lines(content);
        ReadRosterLines(*table, lines, &report);
    }
};

// Found by fuzzing: a NUL byte at the start of a token once gave a row with an empty label.
TEST_F(HostileRoster, ANulByteEndsTheLine) {
    static const char content[] = "\0X Y 3 42\nA\0B C 1 1\nL N 1\0 2\nL N 4 5\0junk\n";
    Read(std::string(content, sizeof content - 1));
    ASSERT_EQ(table->rowCount, 1);
    EXPECT_EQ(table->label[0], "L");
    EXPECT_EQ(table->speed[0], 5);
    EXPECT_EQ(report.dropped.size(), 3u);
    Read(std::string(4096, '\0'));
    EXPECT_EQ(table->rowCount, 0);
}

TEST_F(HostileRoster, HugeAndEmptyLines) {
    std::string huge(16 * 1024 * 1024, 'x');
    Read(huge + "\nok name 1 2\n");  // a 16 MB token is too long for a label
    ASSERT_EQ(table->rowCount, 1);
    EXPECT_EQ(report.dropped[0].reason, DropReason::kFieldTooLong);
    std::fill(huge.begin(), huge.end(), ' ');
    Read(huge + "\n" + huge + "l n 1 2");  // 16 MB of blanks, then a row after them
    ASSERT_EQ(table->rowCount, 1);
    EXPECT_EQ(report.dropped[0].reason, DropReason::kBlankLine);
    Read(" \t\r\n\v\f\n\r\n");
    EXPECT_EQ(table->rowCount, 0);
    EXPECT_EQ(report.dropped.size(), 3u);
}

TEST_F(HostileRoster, InvalidCodePage932IsKeptAsBytes) {
    // A lone lead byte, a lead byte at the end of a token, a lead byte before a blank.
    Read("\x81 \x95 1 1\nab\x81 \xFC\x81 2 3\n\x81\x40\x81 n 3 4\n");
    ASSERT_EQ(table->rowCount, 3);
    EXPECT_EQ(table->label[0], "\x81");
    EXPECT_EQ(table->name[1], "\xFC\x81");
    EXPECT_EQ(table->label[2], "\x81\x40\x81");  // the full-width space joins the token
}

// Numbers beyond the 32-bit range read as the nearest limit, like the form's fields; a sign
// without digits is no number.
TEST(RosterLineScan, NumbersSaturateAndNeedDigits) {
    RosterLineFields f = ScanRosterLine("l n 2147483648 -2147483649");
    EXPECT_EQ(f.stop, LineScanStop::kComplete);
    EXPECT_EQ(f.number, 2147483647);
    EXPECT_EQ(f.speed, -2147483647 - 1);
    f = ScanRosterLine("l n 99999999999999999999999999999 +7x");
    EXPECT_EQ(f.number, 2147483647);
    EXPECT_EQ(f.speed, 7);
    f = ScanRosterLine("l n - 5");
    EXPECT_EQ(f.fieldsRead, 2);
    EXPECT_EQ(f.number, 0);
    f = ScanRosterLine("l n 5 +");
    EXPECT_EQ(f.fieldsRead, 3);
    EXPECT_EQ(f.stop, LineScanStop::kMissingField);
}

// A number read as a limit is flagged only when its digits lie past it: the limits themselves,
// however many zeros lead them, are numbers like any other.
TEST(RosterLineScan, ASaturatedNumberIsFlagged) {
    const struct {
        const char* line;
        bool numberOverflows, speedOverflows;
    } cases[] = {
        {"l n 2147483647 -2147483648", false, false},
        {"l n +0002147483647 -0002147483648", false, false},
        {"l n 2147483648 -2147483649", true, true},
        {"l n 99999999999 3", true, false},
        {"l n 1 -10000000000x", false, true},
    };
    for (const auto& c : cases) {
        const RosterLineFields f = ScanRosterLine(c.line);
        EXPECT_EQ(f.numberOverflows, c.numberOverflows) << c.line;
        EXPECT_EQ(f.speedOverflows, c.speedOverflows) << c.line;
    }
}

TEST(RosterLineScan, TextHoldersAtTheirLimits) {
    EXPECT_EQ(ScanRosterLine(std::string(98, 'a') + " n 1 1").stop, LineScanStop::kComplete);
    EXPECT_EQ(ScanRosterLine(std::string(99, 'a') + " n 1 1").stop, LineScanStop::kFieldTooLong);
    EXPECT_EQ(ScanRosterLine("l " + std::string(998, 'b') + " 1 1").stop, LineScanStop::kComplete);
    const RosterLineFields f = ScanRosterLine("l " + std::string(999, 'b') + " 1 1");
    EXPECT_EQ(f.stop, LineScanStop::kFieldTooLong);
    EXPECT_EQ(f.fieldsRead, 1);
    EXPECT_STREQ(f.name, "");
}

class NoList : public RosterListView {
public:
    int entries = 0;
    void ResetContent() override { entries = 0; }
    void AddEntry(const std::string&) override { ++entries; }
    void SetSelection(int) override {}
    int GetSelection() override { return 0; }
};

TEST(HostileRosterPath, LongDirectoriesAndUnreadableFiles) {
    const std::filesystem::path base = std::filesystem::temp_directory_path() / ("kestavel-paths-" + std::to_string(::getpid()));
    for (size_t length : {259u, 260u}) {
        // Nested directories whose whole path is exactly `length` bytes.
        std::string dir = base.string();
        while (dir.size() + 1 < length) dir += "/" + std::string(std::min<size_t>(100, length - dir.size() - 1), 'd');
        ASSERT_EQ(dir.size(), length);
        std::filesystem::create_directories(dir);
        std::ofstream(dir + "/speed.txt") << "l n 1 " << length << "\n";
        auto s = std::make_unique<SpeedSimulator>(1u);
        testing::RecordingMessageBox messageBox;
        NoList list;
        LoadRosterAtStartup(*s, dir.c_str(), list, messageBox);
        EXPECT_TRUE(messageBox.shown.empty());
        ASSERT_EQ(s->roster.rowCount, 1);
        EXPECT_EQ(s->roster.speed[0], static_cast<int32_t>(length));
        EXPECT_EQ(list.entries, 2);
    }
    std::filesystem::remove_all(base);

    if (::geteuid() != 0) {  // permissions do not stop root
        std::filesystem::create_directories(base);
        std::ofstream(base / "speed.txt") << "l n 1 1\n";
        std::filesystem::permissions(base / "speed.txt", std::filesystem::perms::none);
        auto s = std::make_unique<SpeedSimulator>(1u);
        testing::RecordingMessageBox messageBox;
        EXPECT_TRUE(LoadRoster(s->roster, base.string(), messageBox));
        EXPECT_EQ(messageBox.shown.size(), 1u);
        std::filesystem::remove_all(base);
    }
    auto s = std::make_unique<SpeedSimulator>(1u);
    testing::RecordingMessageBox messageBox;
    EXPECT_TRUE(LoadRoster(s->roster, "/proc/self/status", messageBox));  // a file where a directory should be
    EXPECT_EQ(messageBox.shown.size(), 1u);
}

}  // namespace
}  // namespace kestavel
