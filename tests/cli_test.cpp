// kestavel-cli run as a process: its outputs, seed for seed, and its exit statuses.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "reference_model.h"

namespace kestavel {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// The tool writes UTF-8; plain literals in this file are code page 932.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Runs the tool with `args` (already shell-quoted where needed).
Outcome RunCli(const std::string& args) {
    const std::string errPath = std::filesystem::temp_directory_path() / ("kestavel-cli-err-" + std::to_string(::getpid()));
    Outcome outcome;
    FILE* pipe = ::popen((std::string(KESTAVEL_CLI_PATH) + " " + args + " 2>" + errPath).c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) outcome.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(errPath);
    outcome.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(errPath);
    return outcome;
}

TEST(Cli, RateGivesTheReferenceCountsForASeed) {
    const Outcome o = RunCli("rate --allies 60,50,40 --enemy-speed 50 --enemies 3 --seed 4294967295 --json");
    ASSERT_EQ(o.status, 0) << o.err;
    std::mt19937 engine(4294967295u);
    const auto c = reference::Run(engine, {60, 50, 40, 0, 0}, 50, 3);
    char expected[200];
    std::snprintf(expected, sizeof expected, "{\"winsAll\": %ld, \"winsFirst\": %ld, ", c.winsAll, c.winsFirst);
    EXPECT_EQ(o.out.rfind(expected, 0), 0u) << o.out;
    EXPECT_EQ(o.err, "");

    const Outcome text = RunCli("rate --allies 60,50,40 --enemy-speed 50 --enemies 3 --seed 4294967295");
    char lines[200];
    std::snprintf(lines, sizeof lines, Utf8(u8"3体 完封率: %.1f％\n個別先制率: %.1f％\n").c_str(), c.winsAll / 1000.0,
                  c.winsFirst / 1000.0);
    EXPECT_EQ(text.out, lines);
}

TEST(Cli, EstimateGivesTheReferenceSearchForASeed) {
    const Outcome o = RunCli("estimate --shut-out 60 --enemies 2 --allies 4,3 --seed 8 --json");
    ASSERT_EQ(o.status, 0) << o.err;
    std::mt19937 engine(8);
    const auto e = reference::EstimateSpeed(engine, {4, 3, 0, 0, 0}, 2, 2, 60);
    std::string expected = "{\"bestSpeed\": " + std::to_string(e.bestSpeed) + ", \"rows\": [";
    for (int i = 0; i < 5; ++i) {
        char row[160];
        std::snprintf(row, sizeof row, "%s{\"speed\": %d, \"firstStrikeRate\": %g, \"shutOutRate\": %g}", i ? ", " : "",
                      e.rowSpeed[i], e.rows[i].winsFirst / 1000.0, e.rows[i].winsAll / 1000.0);
        expected += row;
    }
    expected += "]}\n";
    // %g drops a trailing ".0"; the tool always writes one decimal at least.
    std::string normalised = o.out;
    for (size_t at; (at = normalised.find(".0,")) != std::string::npos || (at = normalised.find(".0}")) != std::string::npos;)
        normalised.erase(at, 2);
    EXPECT_EQ(normalised, expected);
}

TEST(Cli, RefusedInputGivesTheWindowsMessageAndStatusTwo) {
    const std::pair<const char*, const char8_t*> cases[] = {
        {"rate --allies 60 --enemy-speed 0 --enemies 10", u8"敵の素早さが不正な値です"},
        {"rate --allies 60 --enemy-speed 5 --enemies 10", u8"敵の数が不正な値です"},
        {"estimate --first-strike 100 --allies 0", u8"1％から99％で入力してください"},
        {"estimate --shut-out 100 --enemies 0 --allies 0", u8"敵の数が不正な値です"},
        {"estimate --shut-out 50 --enemies 2 --allies 200", u8"味方の素早さが不正な値です"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome o = RunCli(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_EQ(o.out, "") << args;
        EXPECT_EQ(o.err, Utf8(message) + "\n") << args;
    }
}

TEST(Cli, MalformedCommandLinesAreUsageErrors) {
    const char* const cases[] = {
        "",
        "frobnicate",
        "rate --allies 60,50 --enemy-speed 5x --enemies 2",
        "rate --allies 60,50 --enemy-speed 2147483648 --enemies 2",
        "rate --allies 1,2,3,4,5,6 --enemy-speed 5 --enemies 2",
        "rate --allies 60,,50 --enemy-speed 5 --enemies 2",
        "rate --allies 60 --enemy-speed 5",
        "rate --allies 60 --enemy-speed 5 --enemies 2 --seed 4294967296",
        "rate --allies 60 --enemy-speed 5 --enemies 2 --seed -1",
        "rate --allies 60 --enemy-speed 5 --enemies 2 --enemies 3",
        "estimate --first-strike 50 --shut-out 50 --allies 60",
        "estimate --first-strike 50 --enemies 2 --allies 60",
        "estimate --allies 60",
        "roster",
    };
    for (const char* args : cases) {
        const Outcome o = RunCli(args);
        EXPECT_EQ(o.status, 64) << args;
        EXPECT_NE(o.err.find("usage:"), std::string::npos) << args;
    }
    EXPECT_EQ(RunCli("--help").status, 0);
}

TEST(Cli, RosterListsEntriesAndTellsWhatWasDropped) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / ("kestavel-cli-roster-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << "# roster\nX Y 3 42\n\x95\x5c \"q\" 1 -5\nA B 0 1\nshort\n";
    const Outcome o = RunCli("roster " + file.string());
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "X3) Y\t42\n\xE8\xA1\xA8" "1) \"q\"\t-5\n");
    EXPECT_EQ(o.err, "line 4 dropped: number below 1\nline 5 dropped: fewer than four fields\n");

    const Outcome json = RunCli("roster --json " + file.string());
    EXPECT_EQ(json.out,
              "{\"rows\": [{\"label\": \"X\", \"name\": \"Y\", \"number\": 3, \"speed\": 42}, "
              "{\"label\": \"\xE8\xA1\xA8\", \"name\": \"\\\"q\\\"\", \"number\": 1, \"speed\": -5}], "
              "\"dropped\": [{\"line\": 4, \"reason\": \"number below 1\"}, {\"line\": 5, \"reason\": \"fewer than four fields\"}]}\n");
    std::filesystem::remove(file);

    const Outcome missing = RunCli("roster " + file.string());
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, Utf8(u8"file:speed.txt 読み込み失敗\n"));
}

}  // namespace
}  // namespace kestavel

namespace kestavel {
namespace {

TEST(CliExact, RateAddsTheExactRatesAndEstimateIsDeterministic) {
    // One ally of 100 against one enemy of 100: by symmetry exactly half the turns are won.
    const Outcome rate = RunCli("rate --allies 100 --enemy-speed 100 --enemies 1 --seed 3 --exact --json");
    ASSERT_EQ(rate.status, 0) << rate.err;
    EXPECT_NE(rate.out.find("\"exactShutOutRate\": 50"), std::string::npos) << rate.out;
    EXPECT_NE(rate.out.find("\"exactFirstStrikeRate\": 50"), std::string::npos) << rate.out;

    const Outcome first = RunCli("estimate --first-strike 95 --allies 60,50,40,30,20 --exact --json");
    const Outcome again = RunCli("estimate --first-strike 95 --allies 60,50,40,30,20 --exact --json");
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, again.out);
    EXPECT_EQ(first.out.rfind("{\"bestSpeed\": 45, ", 0), 0u) << first.out;
    EXPECT_EQ(RunCli("estimate --first-strike 95 --allies 60 --exact --seed 1").status, 64);
}

TEST(CliExact, ObservedCountsGiveTheConsistentSpeedsAndTheLikeliest) {
    const Outcome o = RunCli("estimate --observed 19/20 --allies 60,50,40,30,20 --json");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("\"likeliestSpeed\": 45"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("{\"speed\": 38, "), std::string::npos);
    EXPECT_NE(o.out.find("{\"speed\": 53, "), std::string::npos);
    EXPECT_EQ(o.out.find("{\"speed\": 37, "), std::string::npos);
    EXPECT_EQ(o.out.find("{\"speed\": 54, "), std::string::npos);
    for (const char* bad : {"19/2", "19", "-1/20", "a/b", "1/1000001"}) {
        EXPECT_EQ(RunCli(std::string("estimate --observed ") + bad + " --allies 60").status, 64) << bad;
    }
    EXPECT_EQ(RunCli("estimate --observed 5/10 --enemies 10 --allies 60").status, 2);
}

}  // namespace
}  // namespace kestavel
