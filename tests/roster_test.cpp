// The roster file loader and the roster list, on files written by the tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "commands/control_ids.h"
#include "tests/fakes.h"
#include "roster/roster_line_scan.h"
#include "commands/roster_list.h"
#include "roster/roster_loader.h"

namespace kestavel {
namespace {

class FakeList : public RosterListView {
public:
    std::vector<std::string> entries{"すばやさを検索"};
    int selection = 0;
    void ResetContent() override { entries.clear(); }
    void AddEntry(const std::string& text) override { entries.push_back(text); }
    void SetSelection(int position) override { selection = position; }
    int GetSelection() override { return selection; }
};

class RosterFile : public ::testing::Test {
protected:
    std::filesystem::path dir;
    std::unique_ptr<SpeedSimulator> s = std::make_unique<SpeedSimulator>(1u);
    testing::RecordingMessageBox messageBox;
    RosterLoadReport report;

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("kestavel-roster-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Writes speed.txt and loads it; returns the loader's result.
    bool Load(const std::string& content) {
        std::ofstream(dir / "speed.txt", std::ios::binary) << content;
        return LoadRosterFile(s->roster, (dir / "speed.txt").string(), messageBox, &report);
    }

    std::string Row(int i) const {
        const RosterTable& t = s->roster;
        return t.label[i] + "|" + t.name[i] + "|" + std::to_string(t.number[i]) + "|" + std::to_string(t.speed[i]);
    }
};

TEST_F(RosterFile, ReadsDataLinesInFileOrderAndSkipsComments) {
    EXPECT_FALSE(Load("# a roster\nX Y 3 42\n#X Z 1 1\r\n\n#\n  # not a comment\nA\tB\v7\f-5 trailing remark\n# end"));
    ASSERT_EQ(s->roster.rowCount, 2);
    EXPECT_EQ(Row(0), "X|Y|3|42");
    EXPECT_EQ(Row(1), "A|B|7|-5");
    ASSERT_EQ(report.dropped.size(), 2u);
    EXPECT_EQ(report.dropped[0].lineNumber, 4);
    EXPECT_EQ(report.dropped[0].reason, DropReason::kBlankLine);
    EXPECT_EQ(report.dropped[1].lineNumber, 6);  // "  # not a comment": three tokens
    EXPECT_EQ(report.dropped[1].reason, DropReason::kMissingField);
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(RosterFile, LineEndsAndTheLastLineMakeNoDifference) {
    EXPECT_FALSE(Load("a b 1 10\r\nc d 2 20\r\ne f 3 30"));
    ASSERT_EQ(s->roster.rowCount, 3);
    EXPECT_EQ(Row(1), "c|d|2|20");
    EXPECT_EQ(Row(2), "e|f|3|30");
}

TEST_F(RosterFile, KeepsTheBytesOfLabelsAndNames) {
    // A byte-order mark stays in the first token; a full-width space is part of a name; an
    // ASCII blank ends it, so "Big Bat" gives the number field "Bat" and the line is dropped.
    EXPECT_FALSE(Load("\xEF\xBB\xBF#x y 1 1\nスライム ス　ライム 1 5\n表 Big Bat 2 3\n"));
    ASSERT_EQ(s->roster.rowCount, 2);
    EXPECT_EQ(Row(0), "\xEF\xBB\xBF#x|y|1|1");
    EXPECT_EQ(Row(1), "スライム|ス\x81\x40ライム|1|5");
    EXPECT_EQ(s->roster.label[1], "\x83\x58\x83\x89\x83\x43\x83\x80");
    ASSERT_EQ(report.dropped.size(), 1u);
    EXPECT_EQ(report.dropped[0].reason, DropReason::kMissingField);
}

TEST_F(RosterFile, StoresOnlyPositiveNumbersButAnySpeed) {
    EXPECT_FALSE(Load("a b 0 10\nc d -4 20\ne f 1 0\ng h 2 -9\ni j 99999999999 -99999999999\n"));
    ASSERT_EQ(s->roster.rowCount, 3);
    EXPECT_EQ(Row(0), "e|f|1|0");
    EXPECT_EQ(Row(1), "g|h|2|-9");
    EXPECT_EQ(Row(2), "i|j|2147483647|-2147483648");
    EXPECT_EQ(report.dropped[0].reason, DropReason::kNumberBelowOne);
    EXPECT_EQ(report.dropped[1].reason, DropReason::kNumberBelowOne);
}

// A short line must never become a row built from what an earlier line left behind.
TEST_F(RosterFile, DropsShortLinesWithoutBorrowingFromEarlierLines) {
    testing::TraceCapture trace;
    EXPECT_FALSE(Load("good name 5 50\nonly\nlabel name\nx y z 4\nx y 4 w\nl n 6\n \t \n"));
    ASSERT_EQ(s->roster.rowCount, 1);
    EXPECT_EQ(Row(0), "good|name|5|50");
    ASSERT_EQ(report.dropped.size(), 6u);
    for (const DroppedLine& line : report.dropped) EXPECT_NE(line.reason, DropReason::kNumberBelowOne);
    EXPECT_EQ(trace.lines[1], "good name 5 50 \n");
    EXPECT_EQ(trace.lines[2], "only  0 0 \n");  // the holders of the short line itself
    EXPECT_EQ(trace.lines[7], "  0 0 \n");
}

TEST_F(RosterFile, RefusesFieldsBeyondTheirHolders) {
    const std::string label98(98, 'L'), name998(998, 'N');
    EXPECT_FALSE(Load(label98 + " " + name998 + " 1 1\n" + label98 + "L n 1 1\nl " + name998 + "N 1 1\n"));
    ASSERT_EQ(s->roster.rowCount, 1);
    EXPECT_EQ(s->roster.label[0], label98);
    EXPECT_EQ(s->roster.name[0], name998);
    ASSERT_EQ(report.dropped.size(), 2u);
    EXPECT_EQ(report.dropped[0].reason, DropReason::kFieldTooLong);
    EXPECT_EQ(report.dropped[1].reason, DropReason::kFieldTooLong);
}

TEST_F(RosterFile, KeepsTheFirstTenThousandRows) {
    std::string content;
    for (int i = 1; i <= 10050; ++i) content += "L" + std::to_string(i) + " N " + std::to_string(i) + " " + std::to_string(i % 300) + "\n";
    testing::TraceCapture trace;
    EXPECT_FALSE(Load(content));
    ASSERT_EQ(s->roster.rowCount, 10000);
    EXPECT_EQ(Row(9999), "L10000|N|10000|100");
    EXPECT_EQ(report.dropped.size(), 50u);
    EXPECT_EQ(report.dropped.back().lineNumber, 10050);
    EXPECT_EQ(report.dropped.back().reason, DropReason::kOverCapacity);
    EXPECT_EQ(trace.lines.size(), 10051u);  // the path and every scanned line
}

TEST_F(RosterFile, AMissingFileIsToldOnceAndLeavesTheTableEmpty) {
    testing::TraceCapture trace;
    EXPECT_TRUE(LoadRoster(s->roster, dir.string(), messageBox));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].first, "file:speed.txt 読み込み失敗");
    EXPECT_EQ(messageBox.shown[0].second, "error!!");
    EXPECT_EQ(s->roster.rowCount, 0);
    EXPECT_EQ(trace.lines, std::vector<std::string>{dir.string() + "\\speed.txt\n"});

    std::filesystem::create_directory(dir / "speed.txt");  // a directory is no roster either
    EXPECT_TRUE(LoadRoster(s->roster, dir.string(), messageBox));
    EXPECT_EQ(messageBox.shown.size(), 2u);
}

TEST_F(RosterFile, EmptyAndCommentOnlyFilesGiveNoRowsAndNoMessage) {
    EXPECT_FALSE(Load(""));
    EXPECT_FALSE(Load("# one\n# two"));
    EXPECT_EQ(s->roster.rowCount, 0);
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST(RosterPath, AlwaysAddsTheSeparator) {
    EXPECT_EQ(RosterPathFor("C:\\games"), "C:\\games\\speed.txt");
    EXPECT_EQ(RosterPathFor("C:\\"), "C:\\\\speed.txt");
    EXPECT_EQ(RosterPathFor(""), "\\speed.txt");
}

TEST_F(RosterFile, TheListShowsEveryRowAndCopiesTheChosenSpeed) {
    std::ofstream(dir / "speed.txt", std::ios::binary) << "X Y 3 42\nA B 1 -7\nX Y 3 9\n";
    FakeList list;
    testing::FakeForm form;
    form.texts[kFieldEnemySpeed] = "50";
    EXPECT_EQ(LoadRosterAtStartup(*s, dir.string().c_str(), list, messageBox), 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"すばやさを検索", "X3) Y", "A1) B", "X3) Y"}));
    EXPECT_EQ(list.selection, 0);

    OnRosterSelected(*s, list, form);  // the placeholder
    EXPECT_EQ(form.texts[kFieldEnemySpeed], "50");
    list.selection = 1;
    OnRosterSelected(*s, list, form);
    EXPECT_EQ(form.texts[kFieldEnemySpeed], "42");
    list.selection = 2;
    OnRosterSelected(*s, list, form);
    EXPECT_EQ(form.texts[kFieldEnemySpeed], "-7");
    list.selection = 3;  // the same texts as entry 1, its own speed
    OnRosterSelected(*s, list, form);
    EXPECT_EQ(form.texts[kFieldEnemySpeed], "9");
    for (int notARow : {-1, 4, 100000}) {
        list.selection = notARow;
        OnRosterSelected(*s, list, form);
        EXPECT_EQ(form.texts[kFieldEnemySpeed], "9");
    }
    list.selection = 0;
    OnRosterSelected(*s, list, form);
    EXPECT_EQ(form.texts[kFieldEnemySpeed], "9");
}

// Where a backslash is an ordinary character of a name, the directory keeps it: only the
// separator the loader adds becomes the system's, while the trace shows the path as Windows would.
TEST_F(RosterFile, ADirectoryNameMayHoldABackslash) {
    if (std::filesystem::path::preferred_separator == '\\') GTEST_SKIP() << "a backslash separates here";
    const std::filesystem::path odd = dir / "a\\b";
    std::filesystem::create_directories(odd);
    std::ofstream(odd / "speed.txt", std::ios::binary) << "X Y 3 42\n";
    FakeList list;
    testing::TraceCapture trace;
    EXPECT_EQ(LoadRosterAtStartup(*s, odd.string(), list, messageBox), 0);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(list.entries, (std::vector<std::string>{"すばやさを検索", "X3) Y"}));
    ASSERT_FALSE(trace.lines.empty());
    EXPECT_EQ(trace.lines[0], odd.string() + "\\speed.txt\n");
}

TEST_F(RosterFile, AFailedLoadStillOffersThePlaceholder) {
    FakeList list;
    list.entries = {"leftover"};
    EXPECT_EQ(LoadRosterAtStartup(*s, dir.string().c_str(), list, messageBox), 0);
    EXPECT_EQ(list.entries, std::vector<std::string>{"すばやさを検索"});
    EXPECT_EQ(messageBox.shown.size(), 1u);
}

}  // namespace
}  // namespace kestavel
