// The three buttons' commands against a form of texts: the order of reads and checks, the
// error texts and the result formats.

#include <gtest/gtest.h>

#include <memory>

#include "commands/control_ids.h"
#include "commands/estimate_command.h"
#include "commands/rate_command.h"
#include "tests/fakes.h"
#include "tests/engine/reference_model.h"

namespace kestavel {
namespace {

using testing::FakeForm;

// The fields as a fresh window shows them.
FakeForm StartingForm() {
    FakeForm form;
    const char* allies[5] = {"60", "50", "40", "30", "20"};
    for (int n = 0; n < 5; ++n) form.texts[kFieldFirstAllySpeed + n] = allies[n];
    form.texts[kFieldEnemySpeed] = "50";
    form.texts[kFieldEnemyCount] = "2";
    form.texts[kFieldObservedFirstStrike] = "95";
    form.texts[kFieldShutOutEnemyCount] = "2";
    form.texts[kFieldObservedShutOut] = "95";
    return form;
}

class RateCommand : public ::testing::Test {
protected:
    std::unique_ptr<SpeedSimulator> s = std::make_unique<SpeedSimulator>(2024u);
    FakeForm form = StartingForm();

    // Runs the command with leftovers in both labels; returns label 1002.
    std::string Press(int32_t expectedResult) {
        form.texts[kLabelShutOutResult] = "old";
        form.texts[kLabelFirstStrikeResult] = "old";
        EXPECT_EQ(OnCalculate(*s, form), expectedResult);
        return form.texts[kLabelShutOutResult];
    }
};

TEST_F(RateCommand, ShowsBothRatesOfTheReferenceRun) {
    Press(0);
    std::mt19937 engine(2024);
    const auto expected = reference::Run(engine, {60, 50, 40, 30, 20}, 50, 2);
    char shutOut[16], firstStrike[16];
    std::snprintf(shutOut, sizeof shutOut, "%.1f", expected.winsAll / 1000.0);
    std::snprintf(firstStrike, sizeof firstStrike, "%.1f", expected.winsFirst / 1000.0);
    EXPECT_EQ(form.texts[kLabelShutOutResult], std::string("2体 完封率: ") + shutOut + "％");
    EXPECT_EQ(form.texts[kLabelFirstStrikeResult], std::string("個別先制率: ") + firstStrike + "％");
    EXPECT_EQ(form.reads, (std::vector<int>{2000, 2001, 2002, 2003, 2004, 2005, 2006}));
    EXPECT_EQ(form.writes[0], std::make_pair(1002, std::string()));
    EXPECT_EQ(form.writes[1], std::make_pair(1003, std::string()));
}

TEST_F(RateCommand, ShowsWholeRunsAsOneHundredAndZero) {
    form.texts[kFieldEnemySpeed] = "1";
    form.texts[kFieldEnemyCount] = "9";
    Press(0);
    EXPECT_EQ(form.texts[kLabelShutOutResult], "9体 完封率: 100.0％");
    EXPECT_EQ(form.texts[kLabelFirstStrikeResult], "個別先制率: 100.0％");
    for (int n = 0; n < 5; ++n) form.texts[kFieldFirstAllySpeed + n] = "";
    Press(0);  // no party at all is accepted and never wins
    EXPECT_EQ(form.texts[kLabelShutOutResult], "9体 完封率: 0.0％");
    EXPECT_EQ(form.texts[kLabelFirstStrikeResult], "個別先制率: 0.0％");
}

TEST_F(RateCommand, RefusesABadEnemySpeedBeforeABadCount) {
    const char* const badSpeeds[] = {"", "0", "-3", "abc"};
    for (const char* speed : badSpeeds) {
        form.texts[kFieldEnemySpeed] = speed;
        EXPECT_EQ(Press(1), "敵の素早さが不正な値です") << speed;
        EXPECT_EQ(form.texts[kLabelFirstStrikeResult], "");
    }
    form.texts[kFieldEnemyCount] = "0";  // both wrong: the speed is reported
    EXPECT_EQ(Press(1), "敵の素早さが不正な値です");

    form.texts[kFieldEnemySpeed] = "99999999999";  // reads as 2147483647: no upper bound
    const char* const badCounts[] = {"", "0", "10", "-1", "99999999999"};
    for (const char* count : badCounts) {
        form.texts[kFieldEnemyCount] = count;
        EXPECT_EQ(Press(1), "敵の数が不正な値です") << count;
        EXPECT_EQ(form.texts[kLabelFirstStrikeResult], "");
    }
    EXPECT_EQ(s->enemySpeed, 2147483647.0);  // stored although refused
    form.texts[kFieldEnemyCount] = "1abc";
    form.texts[kFieldEnemySpeed] = "45abc";
    EXPECT_EQ(Press(0).rfind("1体 完封率: ", 0), 0u);
    EXPECT_EQ(s->enemySpeed, 45.0);
    EXPECT_EQ(s->enemyCount, 1);
}

class EstimateCommand : public ::testing::Test {
protected:
    std::unique_ptr<SpeedSimulator> s = std::make_unique<SpeedSimulator>(77u);
    FakeForm form = StartingForm();

    std::string Press(int32_t kind, int32_t expectedResult) {
        for (int id = kLabelEstimateStatus; id <= kLabelTableFirstRow + 4; ++id) form.texts[id] = "old";
        EXPECT_EQ(OnEstimate(*s, form, kind), expectedResult);
        if (expectedResult != 0) {
            for (int id = kLabelTableFirstRow; id <= kLabelTableFirstRow + 4; ++id) EXPECT_EQ(form.texts[id], "");
        }
        return form.texts[kLabelEstimateStatus];
    }
};

TEST_F(EstimateCommand, FirstStrikeKindChecksOnlyItsPercent) {
    for (const char* percent : {"", "0", "100", "-5", "abc"}) {
        form.texts[kFieldObservedFirstStrike] = percent;
        EXPECT_EQ(Press(1, 1), "1％から99％で入力してください") << percent;
    }
    for (int n = 0; n < 5; ++n) form.texts[kFieldFirstAllySpeed + n] = "0";
    EXPECT_EQ(Press(1, 1), "1％から99％で入力してください");  // the rate is checked first
    EXPECT_EQ(s->enemyCount, 1);
    form.texts[kFieldObservedFirstStrike] = "99";
    EXPECT_EQ(Press(1, 1), "味方の素早さが不正な値です");
    form.texts[kFieldFirstAllySpeed] = "200";
    EXPECT_EQ(Press(1, 1), "味方の素早さが不正な値です");
}

TEST_F(EstimateCommand, ShutOutKindChecksTheCountBeforeThePercent) {
    form.texts[kFieldObservedShutOut] = "100";
    for (const char* count : {"", "0", "10"}) {
        form.texts[kFieldShutOutEnemyCount] = count;
        EXPECT_EQ(Press(2, 1), "敵の数が不正な値です") << count;
    }
    form.texts[kFieldShutOutEnemyCount] = "3";
    EXPECT_EQ(Press(2, 1), "1％から99％で入力してください");
    EXPECT_EQ(s->enemyCount, 3);  // stored before the percent failed
}

TEST_F(EstimateCommand, ShowsTheHeaderAndFiveRowsOfTheSearch) {
    form.texts[kFieldFirstAllySpeed] = "3";
    for (int n = 1; n < 5; ++n) form.texts[kFieldFirstAllySpeed + n] = "";
    form.texts[kFieldShutOutEnemyCount] = "4";
    form.texts[kFieldObservedShutOut] = "50";
    EXPECT_EQ(Press(2, 0), "敵素早\t先制率　4体完封率");

    std::mt19937 engine(77);
    const auto expected = reference::EstimateSpeed(engine, {3, 0, 0, 0, 0}, 4, 2, 50);
    for (int i = 0; i < 5; ++i) {
        char row[64];
        std::snprintf(row, sizeof row, "\x81\x40%d\t %.1f\t %.1f", expected.rowSpeed[i], expected.rows[i].winsFirst / 1000.0,
                      expected.rows[i].winsAll / 1000.0);
        EXPECT_EQ(form.texts[kLabelTableFirstRow + i], row);
    }
    // The progress texts went to the status label before the header replaced them.
    int progressWrites = 0;
    for (const auto& [id, text] : form.writes) progressWrites += id == kLabelEstimateStatus && text.rfind("計算中", 0) == 0;
    EXPECT_EQ(progressWrites, 6);
}

TEST_F(EstimateCommand, FirstStrikeKindAlwaysShowsOneEnemyAndEqualColumns) {
    form.texts[kFieldFirstAllySpeed] = "4";
    for (int n = 1; n < 5; ++n) form.texts[kFieldFirstAllySpeed + n] = "";
    form.texts[kFieldShutOutEnemyCount] = "7";
    EXPECT_EQ(Press(1, 0), "敵素早\t先制率　1体完封率");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s->rowAllRate[i], s->rowFirstRate[i]);
}

}  // namespace
}  // namespace kestavel
