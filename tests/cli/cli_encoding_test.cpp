// kestavel-cli --encoding: the bytes a file or a pipe receives, for tools that read code page 932.

#include <gtest/gtest.h>

#include "tests/cli/cli_run.h"

namespace kestavel {
namespace {

using testing::RunCli;
using testing::TempFile;
using testing::Utf8;

// Plain literals here are code page 932, the bytes the option asks for.
TEST(CliEncoding, Cp932OnStdoutAndStderrWhereverTheOptionStands) {
    const std::string rate = "rate --allies 60,50,40 --enemy-speed 50 --enemies 2 --seed 7";
    const auto utf8 = RunCli(rate);
    const auto cp932 = RunCli(rate + " --encoding cp932");
    ASSERT_EQ(cp932.status, 0) << cp932.err;
    EXPECT_EQ(cp932.out, "2体 完封率: 75.2％\n個別先制率: 84.5％\n");
    EXPECT_EQ(utf8.out, Utf8(u8"2体 完封率: 75.2％\n個別先制率: 84.5％\n"));
    EXPECT_EQ(RunCli("--encoding=cp932 " + rate).out, cp932.out);
    EXPECT_EQ(RunCli(rate + " --encoding utf-8").out, utf8.out);

    // A roster row shows as the file holds it; a character code page 932 has no form for is '?'.
    const TempFile roster("森 灰色おおかみ 2 62\n短い\n");
    const auto rows = RunCli("--encoding cp932 roster " + roster.Path());
    EXPECT_EQ(rows.out, "森2) 灰色おおかみ\t62\n");
    EXPECT_EQ(rows.err, "line 2 dropped: only 1 field of 4 (label name number speed)\n");
    const auto missing = RunCli("roster --encoding cp932 " + Utf8(u8"/nonexistent/é敵.txt"));
    EXPECT_EQ(missing.status, 66);
    EXPECT_EQ(missing.err, "kestavel-cli: cannot open /nonexistent/?敵.txt: no such file\n");
    const auto json = RunCli("roster --json --encoding cp932 " + roster.Path());
    EXPECT_NE(json.out.find("\"name\": \"灰色おおかみ\""), std::string::npos) << json.out;
}

TEST(CliEncoding, AnUnknownNameIsAUsageError) {
    const auto o = RunCli("rate --encoding latin1 --allies 1 --enemy-speed 1 --enemies 1");
    EXPECT_EQ(o.status, 64);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("--encoding"), std::string::npos) << o.err;
}

}  // namespace
}  // namespace kestavel
