// kestavel-cli as a process: results seed for seed, its refusals, usage errors and roster
// diagnostics, each message as the user reads it.

#include <gtest/gtest.h>

#include "tests/cli/cli_run.h"
#include "engine/trials/trial_path.h"
#include "tests/engine/reference_model.h"

namespace kestavel {
namespace {

using testing::RunCli;
using testing::TempFile;
using testing::Utf8;

TEST(Cli, RateGivesTheReferenceCountsForASeed) {
    const auto o = RunCli("rate --allies 60,50,40 --enemy-speed 50 --enemies 3 --seed 4294967295 --json");
    ASSERT_EQ(o.status, 0) << o.err;
    std::mt19937 engine(4294967295u);
    const auto c = reference::Run(engine, {60, 50, 40, 0, 0}, 50, 3);
    const auto j = o.Json();
    EXPECT_EQ(j["shutOutWins"], c.winsAll);
    EXPECT_EQ(j["firstStrikeWins"], c.winsFirst);
    EXPECT_EQ(j["simulatedShutOutRate"], c.winsAll / 1000.0);  // the count's exact decimal
    EXPECT_EQ(o.err, "");

    const auto text = RunCli("rate --allies 60,50,40 --enemy-speed 50 --enemies 3 --seed 4294967295");
    char lines[200];
    std::snprintf(lines, sizeof lines, Utf8(u8"3体 完封率: %.1f％\n個別先制率: %.1f％\n").c_str(), c.winsAll / 1000.0,
                  c.winsFirst / 1000.0);
    EXPECT_EQ(text.out, lines);
}

TEST(Cli, EstimateGivesTheReferenceSearchForASeed) {
    const auto o = RunCli("estimate --shut-out 60 --enemies 2 --allies 4,3 --seed 8 --json");
    ASSERT_EQ(o.status, 0) << o.err;
    std::mt19937 engine(8);
    const auto e = reference::EstimateSpeed(engine, {4, 3, 0, 0, 0}, 2, 2, 60);
    const auto j = o.Json();
    EXPECT_EQ(j["bestSpeed"], e.bestSpeed);
    for (int i = 0; i < 5; ++i) {
        const auto& row = j["rows"][i];
        EXPECT_EQ(row["speed"], e.rowSpeed[i]);
        EXPECT_EQ(row["run"], e.rowSpeed[i] >= 1);
        if (e.rowSpeed[i] >= 1) {
            EXPECT_EQ(row["simulatedFirstStrikeRate"], e.rows[i].winsFirst / 1000.0);
            EXPECT_EQ(row["simulatedShutOutRate"], e.rows[i].winsAll / 1000.0);
        }
    }
}

TEST(Cli, ExactRatesAndObservedCounts) {
    // One ally of 100 against one enemy of 100: by symmetry exactly half the turns are won.
    const auto rate = RunCli("rate --allies 100 --enemy-speed 100 --enemies 1 --seed 3 --exact --json").Json();
    EXPECT_EQ(rate["exactShutOutRate"], 50.0);
    EXPECT_EQ(rate["exactFirstStrikeRate"], 50.0);

    const auto first = RunCli("estimate --first-strike 95 --allies 60,50,40,30,20 --exact --json");
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, RunCli("estimate --first-strike 95 --allies 60,50,40,30,20 --exact --json").out);
    EXPECT_EQ(first.Json()["bestSpeed"], 45);

    const auto observed = RunCli("estimate --observed 19/20 --allies 60,50,40,30,20 --json").Json()["observed"];
    EXPECT_EQ(observed["likeliest"]["speed"], 45);
    const auto& consistent = observed["consistentSpeeds"];
    EXPECT_EQ(consistent.front()["speed"], 38);
    EXPECT_EQ(consistent.back()["speed"], 53);
    EXPECT_EQ(consistent.size(), 16u);

    // Past the window's 199: the text of a bounded and of an open-ended count, the open end in
    // JSON, and the simulated estimation's note that it stopped at the cap.
    EXPECT_NE(RunCli("estimate --observed 1/50 --allies 150")
                  .out.find("enemy speeds consistent at the 95 % level: 198 to 245\nlikeliest enemy speed: 225 (2.0833 %)\n"),
              std::string::npos);
    const auto none = RunCli("estimate --observed 0/20 --allies 150");
    EXPECT_NE(none.out.find("enemy speeds consistent at the 95 % level: 186 or more\n"
                            "likeliest enemy speed: 250 or more (0.0000 %)\n"),
              std::string::npos);
    const auto noneJson = RunCli("estimate --observed 0/20 --allies 150 --json").Json();
    EXPECT_EQ(noneJson["candidateRange"]["highest"], 251);
    EXPECT_EQ(noneJson["observed"]["consistentRange"], nlohmann::json::parse(R"({"lowest": 186, "highest": null})"));
    EXPECT_EQ(noneJson["observed"]["likeliest"]["andEveryFaster"], true);
    const auto capped = RunCli("estimate --first-strike 5 --allies 150 --seed 1 --json");
    EXPECT_EQ(capped.Json()["notes"][1]["code"], "fasterNotTried");
    EXPECT_NE(capped.err.find("best speed 199 is the highest the simulated estimation tries"), std::string::npos);
}

TEST(Cli, ListedEqualSpeedsGiveTheOneSpeedResultsBitForBit) {
    // Listed, then alike; under --json every result key the listed run writes, else the text.
    const std::pair<const char*, const char*> cases[] = {
        {"rate --allies 60,50,40 --enemy-speeds 50,50,50 --json", "rate --allies 60,50,40 --enemy-speed 50 --enemies 3 --exact --json"},
        {"rate --allies 77,0,-3 --enemy-speeds 45,45 --simulate --seed 9 --json",
         "rate --allies 77,0,-3 --enemy-speed 45 --enemies 2 --exact --seed 9 --json"},
        {"rate --allies 60,50 --enemy-speeds 9,9,9,9,9,9,9,9,9 --simulate --seed 4294967295",
         "rate --allies 60,50 --enemy-speed 9 --enemies 9 --exact --seed 4294967295"},
        {"curve --allies 60,50 --enemy-speeds 1 --vary 1 --simulate --seed 4 --json", "curve --allies 60,50 --simulate --seed 4 --json"},
        {"need --shut-out 80 --allies 60,50 --enemy-speeds 70,70 --json", "need --shut-out 80 --allies 60,50 --enemy-speed 70 --enemies 2 --json"},
    };
    for (const auto& [listed, alike] : cases) {
        const auto l = RunCli(listed), a = RunCli(alike);
        ASSERT_EQ(l.status, 0) << listed << l.err;
        if (std::string(listed).find("--json") == std::string::npos) {
            EXPECT_EQ(l.out, a.out) << listed;
            continue;
        }
        const auto lj = l.Json(), aj = a.Json();
        for (const auto& [key, value] : lj.items()) {
            // The listed form runs the plain loop of a group; its trial path is that loop's.
            if (key == "inputs" || key == "trialPath" || (key == "seed" && value.is_null())) continue;
            EXPECT_EQ(value, aj[key]) << listed << ": " << key;
        }
    }
}

// Every path this CPU runs, chosen through the environment, gives the same results and says it ran;
// a path that cannot be followed is an error, not a quiet fall back to another.
TEST(Cli, EachTrialPathGivesTheSameRunAndNamesItself) {
    const std::string args = "estimate --shut-out 60 --enemies 3 --allies 61,50 --seed 12 --json";
    const auto fastest = RunCli(args).Json();
    for (TrialPath path : AllTrialPaths()) {
        if (!TrialPathSupported(path)) continue;
        ::setenv(kTrialPathVariable, TrialPathName(path), 1);
        auto j = RunCli(args).Json();
        EXPECT_EQ(j["trialPath"], TrialPathName(path));
        j["trialPath"] = fastest["trialPath"];
        EXPECT_EQ(j, fastest) << TrialPathName(path);
    }
    ::setenv(kTrialPathVariable, "AVX2", 1);
    const auto unknown = RunCli(args);
    EXPECT_EQ(unknown.status, 64);
    EXPECT_NE(unknown.err.find("names no trial path: 'AVX2' (the paths are "), std::string::npos) << unknown.err;
    ::unsetenv(kTrialPathVariable);
}

// The runs spread over threads: the output is the same, byte for byte, on any number of them.
TEST(Cli, ThreadsChangeNothingButTheTime) {
    for (const char* args : {"estimate --shut-out 40 --enemies 9 --allies 60,50 --seed 21 --json",
                             "curve --allies 60 --enemies 2 --simulate --seed 21 --csv"}) {
        const auto everyCore = RunCli(args);
        ASSERT_EQ(everyCore.status, 0) << args << everyCore.err;
        for (const char* threads : {" --threads 1", " --threads 3"}) {
            EXPECT_EQ(RunCli(args + std::string(threads)).out, everyCore.out) << args << threads;
        }
    }
}

TEST(Cli, AnUnseededRunReportsTheSeedThatRepeatsIt) {
    for (const char* args : {"rate --allies 60,50 --enemy-speed 45 --enemies 2 --json",
                             "estimate --first-strike 80 --allies 60 --json",
                             "curve --allies 30 --enemies 2 --simulate --json",
                             "rate --allies 60,50 --enemy-speeds 45,50 --simulate --json"}) {
        const auto first = RunCli(args);
        ASSERT_EQ(first.status, 0) << args << first.err;
        const auto again = RunCli(std::string(args) + " --seed " + first.Json()["seed"].dump());
        EXPECT_EQ(again.out, first.out) << args;
    }
}

TEST(Cli, RefusedInputNamesTheInputTheRangeAndTheValue) {
    const std::pair<const char*, const char*> cases[] = {
        {"rate --allies 60 --enemy-speed 0 --enemies 10", "the enemy speed is not valid (1 or more; got 0)"},
        {"rate --allies 60 --enemy-speed 5 --enemies 10", "the number of enemies is not valid (1 to 9; got 10)"},
        {"estimate --first-strike 100 --allies 0", "the observed rate is out of range (1 to 99; got 100)"},
        {"estimate --shut-out 100 --enemies 0 --allies 0", "the number of enemies is not valid (1 to 9; got 0)"},
        {"estimate --shut-out 50 --enemies 2 --allies 200", "the ally speed is not valid (best ally speed 1 to 199; got 200)"},
        {"estimate --observed 5/10 --enemies 10 --allies 60", "the number of enemies is not valid (1 to 9; got 10)"},
        {"estimate --observed 5/10 --allies -3", "the ally speed is not valid (best ally speed 1 to 199; got 0)"},
        {"curve --allies 250", "the ally speed is not valid (best ally speed 1 to 199; got 250)"},
        {"rate --allies 60 --enemy-speeds 30,0,-4", "the enemy speed is not valid (1 or more; got 0)"},
        {"rate --allies 60 --enemy-speeds 1,2,3,4,5,6,7,8,9,10 --simulate", "the number of enemies is not valid (1 to 9; got 10)"},
        {"curve --allies 60 --enemy-speeds 30,-1 --vary 1", "the enemy speed is not valid (1 or more; got -1)"},
        {"need --shut-out 50 --allies 60 --enemy-speed 5 --enemies 0", "the number of enemies is not valid (1 to 9; got 0)"},
        {"need --first-strike 50 --allies 60 --enemy-speeds 0", "the enemy speed is not valid (1 or more; got 0)"},
    };
    for (const auto& [args, message] : cases) {
        const auto o = RunCli(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_EQ(o.out, "") << args;
        EXPECT_EQ(o.err, "kestavel-cli: " + std::string(message) + "\n") << args;
        const auto json = RunCli(std::string(args) + " --json");
        EXPECT_EQ(json.Json()["error"]["code"], "refused") << args;
        EXPECT_EQ(json.Json()["error"]["message"], message) << args;
    }
}

TEST(Cli, UsageErrorsSayWhatIsWrongInTwoLines) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "a command is required"},
        {"frobnicate", "unknown command 'frobnicate'"},
        {"rate --allies --enemy-speed 50 --enemies 2", "--allies: needs a value, not the option --enemy-speed"},
        {"rate --allies 60,50 --enemy-speed 5x --enemies 2", "--enemy-speed must be a whole number"},
        {"rate --allies 60 --enemy-speed 2147483648 --enemies 2", "not '2147483648'"},
        {"rate --allies 1,2,3,4,5,6 --enemy-speed 5 --enemies 2", "one to five speeds"},
        {"rate --allies 60,,50 --enemy-speed 5 --enemies 2", "an ally speed of --allies"},
        {"rate --allies 60 --enemy-speed 5", "rate needs --enemy-speed S with --enemies N, or --enemy-speeds"},
        {"rate --allies 60 --enemy-speeds 30,,80", "an enemy speed of --enemy-speeds must be a whole number"},
        {"rate --allies 60 --enemy-speeds 30 --enemies 2", "drop --enemy-speed and --enemies"},
        {"rate --allies 60 --enemy-speeds 30 --seed 4", "drop --seed or add --simulate"},
        {"rate --allies 60 --enemy-speed 5 --enemies 2 --seed 4294967296", "--seed must be"},
        {"rate --allies 60 --enemy-speed 5 --enemies 2 --seed -1", "--seed must be"},
        {"rate --allies 60 --enemy-speed 5 --enemies 2 --enemies 3", "--enemies is given more than once"},
        {"rate --enemies 2 --allies 60 --enemy-speed", "--enemy-speed needs a value"},
        {"rate --allies 60 --enemy-speed 5 --enemies 2 --json --csv", "exclude one another"},
        {"estimate --first-strike 50 --shut-out 50 --allies 60", "one of --first-strike P and --shut-out P"},
        {"estimate --first-strike 50 --enemies 2 --allies 60", "drop --enemies"},
        {"estimate --allies 60", "needs --first-strike P, --shut-out P or --observed K/N"},
        {"estimate --first-strike 95 --allies 60 --exact --seed 1", "drop --seed"},
        {"estimate --observed 19/2 --allies 60", "K of --observed K/N"},
        {"estimate --observed 19 --allies 60", "--observed takes K/N"},
        {"estimate --observed 1/1000001 --allies 60", "N of --observed K/N"},
        {"curve --allies 60 --from 10", "--from and --to come together"},
        {"curve --allies 60 --from 10 --to 9", "--to must be"},
        {"curve --allies 60 --seed 3", "drop --seed or add --simulate"},
        {"curve --allies 60 --enemy-speeds 30,40", "--enemy-speeds needs --vary K"},
        {"curve --allies 60 --enemy-speeds 30,40 --vary 3", "--vary must be a whole number from 1 to 2, not '3'"},
        {"curve --allies 60 --vary 1", "add --enemy-speeds"},
        {"estimate --first-strike 50 --allies 60 --threads 0", "--threads must be a whole number from 1 to 64, not '0'"},
        {"curve --allies 60 --simulate --threads 65", "--threads must be a whole number from 1 to 64"},
        {"need --allies 60 --enemy-speeds 30", "need needs --first-strike P or --shut-out P"},
        {"need --first-strike 50.5 --allies 60 --enemy-speeds 30", "--first-strike must be a whole number from 0 to 100"},
        {"need --shut-out 101 --allies 60 --enemy-speeds 30", "--shut-out must be a whole number from 0 to 100"},
        {"need --first-strike 5 --shut-out 5 --allies 60 --enemy-speeds 30", "need takes one of --first-strike P"},
        {"need --shut-out 5 --allies 60 --enemy-speed 30", "need needs --enemy-speed S with --enemies N"},
        {"need --shut-out 5 --allies 60 --enemy-speeds 30 --member 0", "--member must be a whole number from 1 to 5"},
        {"roster", "FILE is required"},
        {"roster a b", "not expected: b"},
    };
    for (const auto& [args, what] : cases) {
        const auto o = RunCli(args);
        EXPECT_EQ(o.status, 64) << args;
        EXPECT_EQ(o.out, "") << args;
        EXPECT_EQ(o.err.rfind("kestavel-cli: ", 0), 0u) << args << ": " << o.err;
        EXPECT_NE(o.err.find(what), std::string::npos) << args << ": " << o.err;
        const std::string command = std::string(args).substr(0, std::string(args).find(' '));
        const bool known =
            command == "rate" || command == "estimate" || command == "curve" || command == "need" || command == "roster";
        EXPECT_NE(o.err.find("\nrun 'kestavel-cli " + (known ? command + " " : "") + "--help'\n"), std::string::npos)
            << args << ": " << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 2) << args << ": " << o.err;
    }
    for (const char* help : {"--help", "rate --help", "estimate -h", "curve --help", "need --help", "roster --help", "--version"}) {
        const auto o = RunCli(help);
        EXPECT_EQ(o.status, 0) << help;
        EXPECT_NE(o.out, "") << help;
    }
    EXPECT_EQ(RunCli("--version").out, "0.1.0\n");
    // Both spellings of a value, `--` before a file, and a flag given twice.
    EXPECT_EQ(RunCli("rate --allies=60 --enemy-speed 50 --enemies=2 --seed 1 --json --json").out,
              RunCli("rate --allies 60 --enemy-speed=50 --enemies 2 --seed=1 --json").out);
}

TEST(Cli, RosterTellsForEachLineWhyItWasDroppedOrDoubtful) {
    const std::pair<std::string, std::string> cases[] = {
        {"X Y 3 42", ""},
        {" \t", "dropped: blank line"},
        {"short", "dropped: only 1 field of 4 (label name number speed)"},
        {"a b", "dropped: only 2 fields of 4 (label name number speed)"},
        {"a b x 5", "dropped: the number (third field) is not a number"},
        {"a b 5 x", "dropped: the speed (fourth field) is not a number"},
        {std::string(99, 'L') + " n 1 1", "dropped: the label is longer than 98 bytes"},
        {"l " + std::string(999, 'n') + " 1 1", "dropped: the name is longer than 998 bytes"},
        {"a b 0 1", "dropped: number below 1 (got 0): the window lists numbers from 1"},
        {"a b 1 0", "warning: speed 0 is below 1: the rate calculation refuses it"},
        {"a b 12abc 5", "dropped: the number's digits are followed by other bytes: it reads as 12, and the rest of it, taken as the speed, is not a number"},
        {"a b 1 12abc", "warning: the speed's digits are followed by other bytes: it reads as 12"},
        {"a b 7+5", "warning: the number's digits are followed by other bytes: it reads as 7"},
        {"a b 1 2 3", "warning: more than four fields: the rest of the line is ignored"},
        {"a b 99999999999 5", "warning: the number's digits lie beyond the 32-bit range: it reads as 2147483647"},
        {"a b 1 99999999999", "warning: the speed's digits lie beyond the 32-bit range: it reads as 2147483647"},
    };
    for (const auto& [line, diagnostic] : cases) {
        const TempFile file("# first\n" + line + "\n");
        const auto o = RunCli("roster " + file.Path());
        EXPECT_EQ(o.status, 0) << line;
        EXPECT_EQ(o.err, diagnostic.empty() ? "" : "line 2 " + diagnostic + "\n") << line;
    }
    // Escape sequences and bytes that are not code page 932 never reach the terminal raw.
    const TempFile hostile("\x95\x5c \"q\" 1 5\nbad\x1b]0;title\x07 n 1 3\nZ \x81 1 2\n");
    EXPECT_EQ(RunCli("roster " + hostile.Path()).out,
              "\xE8\xA1\xA8" "1) \"q\"\t5\nbad\\x1B]0;title\\x071) n\t3\nZ1) \\x81\t2\n");
    EXPECT_EQ(RunCli("roster - < " + hostile.Path()).out, RunCli("roster " + hostile.Path()).out);

    std::string full;
    for (int i = 1; i <= 10050; ++i) full += "L N " + std::to_string(i) + " 1\n";
    const TempFile fullFile(full + "x\n");
    const auto over = RunCli("roster " + fullFile.Path());
    EXPECT_EQ(over.err, "from line 10001 on, 50 lines dropped: over capacity (the window keeps the first 10000 rows)\n"
                        "line 10051 dropped: only 1 field of 4 (label name number speed)\n");
}

// Notepad's UTF-8 and UTF-16: listed as the window reads them, with one line saying why.
TEST(Cli, RosterSavedAsUtf8OrUtf16IsToldWithTheRemedy) {
    const std::string remedy = "; save it as Shift-JIS (ANSI in Notepad's encoding list)\n";
    const TempFile utf8("\xEF\xBB\xBF" + Utf8(u8"森 灰色おおかみ 2 62\r\n"));
    const auto u8Run = RunCli("roster " + utf8.Path());
    EXPECT_EQ(u8Run.status, 0);
    EXPECT_EQ(u8Run.err, "warning: the file looks like UTF-8 with a byte order mark, but the window reads code page 932: "
                         "its names show garbled" + remedy);
    EXPECT_EQ(RunCli("roster --json " + utf8.Path()).Json()["encoding"], "utf8Bom");

    static const char utf16Bytes[] = "\xFF\xFE" "A\0 \0b\0 \0" "1\0 \0" "5\0\r\0\n\0";  // "A b 1 5" CR LF
    const TempFile utf16(std::string(utf16Bytes, sizeof utf16Bytes - 1));
    const auto u16Run = RunCli("roster " + utf16.Path());
    EXPECT_EQ(u16Run.status, 0);
    EXPECT_EQ(u16Run.out, "");
    EXPECT_EQ(u16Run.err, "warning: the file looks like UTF-16 LE, but the window reads code page 932: its lines are dropped" +
                              remedy + "line 1 dropped: only 1 field of 4 (label name number speed)\n"
                              "line 2 dropped: no field of 4 (label name number speed)\n");
    EXPECT_EQ(RunCli("roster --json " + utf16.Path()).Json()["encoding"], "utf16le");
}

TEST(Cli, RosterFilesThatCannotBeReadOrWritten) {
    const std::pair<std::string, std::string> cases[] = {
        {"roster /nonexistent/speed.txt", "kestavel-cli: cannot open /nonexistent/speed.txt: no such file\n"},
        {"roster /tmp", "kestavel-cli: cannot open /tmp: it is a directory\n"},
        {"roster /proc/self/mem",
         "kestavel-cli: reading /proc/self/mem failed part-way: input/output error; the 0 rows read before it are shown\n"},
    };
    for (const auto& [args, err] : cases) {
        const auto o = RunCli(args);
        EXPECT_EQ(o.status, args.find("mem") != std::string::npos ? 74 : 66) << args;
        EXPECT_EQ(o.err, err) << args;
    }
    EXPECT_EQ(RunCli("roster /tmp --json").Json()["error"]["code"], "cannotOpen");
    if (::geteuid() != 0) {
        const TempFile locked("l n 1 1\n");
        std::filesystem::permissions(locked.Path(), std::filesystem::perms::none);
        EXPECT_EQ(RunCli("roster " + locked.Path()).err, "kestavel-cli: cannot open " + locked.Path() + ": permission denied\n");
    }
    const TempFile roster("l n 1 1\n");
    for (const std::string& args : {"roster " + roster.Path(), std::string("rate --allies 6 --enemy-speed 5 --enemies 1 --seed 1"),
                                   std::string("estimate --first-strike 50 --allies 6 --exact --json"),
                                   std::string("curve --allies 6 --csv")}) {
        const auto o = RunCli(args + " > /dev/full");
        EXPECT_EQ(o.status, 74) << args;
        EXPECT_EQ(o.err, "kestavel-cli: cannot write the output\n") << args;
    }
}

}  // namespace
}  // namespace kestavel
