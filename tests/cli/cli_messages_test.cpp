// What a player reads of kestavel-cli beyond the results' numbers: each message names the
// range that is taken, the words as typed and the system's reason; the text output gives the
// drawn seed and marks the estimation's best row.

#include <gtest/gtest.h>


#include "tests/cli/cli_run.h"

namespace kestavel {
namespace {

using testing::RunCli;
using testing::TempFile;
using testing::Utf8;

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST(CliMessages, NameTheRangeTheWordsAsTypedAndTheReason) {
    const TempFile chart("", ".svg");
    const std::string folder = std::filesystem::temp_directory_path().string();
    const std::string rate = "rate --enemy-speed 5 --enemies 2 ";
    // The first line of stderr, or of stdout when stderr is empty.
    const std::tuple<std::string, int, std::string> cases[] = {
        {rate + "--allies 60 --seed -1", 64, "kestavel-cli: --seed must be a whole number from 0 to 4294967295, not '-1'"},
        {rate + "--allies 60 --seed 4294967296", 64,
         "kestavel-cli: --seed must be a whole number from 0 to 4294967295, not '4294967296'"},
        {"estimate --first-strike 95.5 --allies 60", 64, "kestavel-cli: --first-strike must be a whole number from 1 to 99, not '95.5'"},
        {"estimate --shut-out 1e2 --enemies 2 --allies 60", 64, "kestavel-cli: --shut-out must be a whole number from 1 to 99, not '1e2'"},
        {"curve --allies 60 --from 100000 --to 110000", 64,
         "kestavel-cli: --to must be a whole number from 100000 to 109999, not '110000'"},
        {rate + "--allies 60 50 40", 64,
         "kestavel-cli: not expected: 50 40 (a list of speeds is one word, separated by commas without spaces: 60,50,40)"},
        {"roster a b c", 64, "kestavel-cli: not expected: b c"},
        {rate + "--allie 60", 64, "kestavel-cli: --allie is not an option of rate"},
        {"estimate --allies 60 --first-strik=50", 64, "kestavel-cli: --first-strik is not an option of estimate"},
        {"rate /?", 64, "kestavel-cli: /? is not an option: help is --help"},
        {"roster /?", 64, "kestavel-cli: /? is not an option: help is --help"},
        {rate + "--allies '60, 50'", 64,
         "kestavel-cli: --allies takes whole numbers separated by commas, without spaces (--allies 60,50,40), not '60, 50'"},
        {rate + "--allies '60 50 40'", 64,
         "kestavel-cli: --allies takes whole numbers separated by commas, without spaces (--allies 60,50,40), not '60 50 40'"},
        {"rate --allies 60 --enemy-speeds " + Utf8(u8"60、50"), 64,
         "kestavel-cli: --enemy-speeds takes whole numbers separated by commas, without spaces (--enemy-speeds 60,50,40), not '" +
             Utf8(u8"60、50") + "'"},
        {"curve --allies 60 --svg " + folder, 74, "kestavel-cli: cannot write " + folder + ": it is a directory"},
        {"curve --allies 60 --svg /nonexistent/c.svg", 74, "kestavel-cli: cannot write /nonexistent/c.svg: no such folder"},
        {"curve --allies 60 --svg /dev/full", 74, "kestavel-cli: cannot write /dev/full: the disk is full"},
        {"curve --allies 60 --svg " + chart.Path(), 0, "kestavel-cli: chart written to " + chart.Path()},
        {"curve --allies 60 --observed 7/20", 0, "enemy speed\tfirst strike (exact)\tshut-out of 1 (exact)\tobserved first strikes 7/20"},
        {"curve --allies 60 --enemies 3 --observed 7/20", 0,
         "enemy speed\tfirst strike (exact)\tshut-out of 3 (exact)\tobserved shut-outs of 3, 7/20"},
        {rate + "--allies 60 --json=yes2", 64, "kestavel-cli: --json takes no value, not 'yes2'"},
        {rate + "--allies 60 --encoding latin1", 64, "kestavel-cli: --encoding: must be one of {utf-8,cp932}, not 'latin1'"},
    };
    for (const auto& [args, status, line] : cases) {
        const auto o = RunCli(args);
        EXPECT_EQ(o.status, status) << args;
        EXPECT_EQ(FirstLine(o.err.empty() ? o.out : o.err), line) << args;
    }
    // The help states the limit the check holds to; the curve's JSON says what was counted.
    EXPECT_NE(RunCli("curve --help").out.find("from --from to --from + 9999 (at most 10000 speeds)"), std::string::npos);
    EXPECT_EQ(RunCli("curve --allies 60 --from 100000 --to 109999 --csv").status, 0);
    EXPECT_EQ(RunCli("curve --allies 60 --enemies 3 --observed 7/20 --json").Json()["inputs"]["observed"]["countedEvent"], "shutOut");
    EXPECT_EQ(RunCli("curve --allies 60 --observed 7/20 --json").Json()["inputs"]["observed"]["countedEvent"], "firstStrike");
}

TEST(CliText, GivesTheDrawnSeedMarksTheBestRowAndLeavesRowsBelowSpeedOneBlank) {
    const std::string args = "rate --allies 60,50 --enemy-speed 45 --enemies 2";
    const auto drawn = RunCli(args);
    // "kestavel-cli: seed N drawn: --seed N repeats this run", the same N twice.
    const std::string prefix = "kestavel-cli: seed ";
    ASSERT_EQ(drawn.err.rfind(prefix, 0), 0u) << drawn.err;
    const std::string seed = drawn.err.substr(prefix.size(), drawn.err.find(' ', prefix.size()) - prefix.size());
    ASSERT_FALSE(seed.empty());
    ASSERT_EQ(seed.find_first_not_of("0123456789"), std::string::npos) << drawn.err;
    ASSERT_EQ(drawn.err, prefix + seed + " drawn: --seed " + seed + " repeats this run\n");
    const auto again = RunCli(args + " --seed " + seed);
    EXPECT_EQ(again.out, drawn.out);
    EXPECT_EQ(again.err, "");  // a seed given is not repeated back
    EXPECT_EQ(RunCli(args + " --json").err, "");  // JSON holds it

    EXPECT_EQ(RunCli("estimate --first-strike 50 --allies 1 --exact").out,
              Utf8(u8"敵素早\t先制率　1体完封率\n"
                   u8"\n"
                   u8"\n"
                   u8"　1\t 50.0\t 50.0\t← best match\n"
                   u8"　2\t 0.0\t 0.0\n"
                   u8"　3\t 0.0\t 0.0\n"));
}

}  // namespace
}  // namespace kestavel
