// What kestavel-cli writes for scripts: JSON with exactly the documented keys, the curve's,
// the mixed groups' and the needed speeds' values against the engine's own functions, and CSV
// and SVG that other programs can read.

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>

#include "tests/cli/cli_run.h"
#include "engine/exact/exact_group_rates.h"
#include "engine/exact/exact_rates.h"
#include "engine/exact/speed_needed.h"
#include "engine/mixed_trial_run.h"
#include "tests/engine/reference_model.h"

namespace kestavel {
namespace {

using nlohmann::json;
using testing::RunCli;
using testing::TempFile;

// Every key path of a JSON value down to its leaves: "inputs.allies", "rows[].speed"; an array
// of objects (or an empty one) is "rows[]".
void KeyPaths(const json& value, const std::string& path, std::set<std::string>& paths) {
    if (value.is_object()) {
        for (const auto& [key, item] : value.items()) KeyPaths(item, path.empty() ? key : path + "." + key, paths);
    } else if (value.is_array() && (value.empty() || value[0].is_object())) {
        paths.insert(path + "[]");
        for (const json& item : value) KeyPaths(item, path + "[]", paths);
    } else {
        paths.insert(path);
    }
}

// The keys that docs/cli-json.md lists in the table under "## section" (the error object's
// table stands before the first section).
std::set<std::string> DocumentedKeys(const std::string& section) {
    std::ifstream doc(std::string(KESTAVEL_SOURCE_DIR) + "/docs/cli-json.md");
    std::set<std::string> keys;
    std::string line, current;
    while (std::getline(doc, line)) {
        if (line.rfind("## ", 0) == 0) current = line.substr(3);
        if (current != section || line.rfind("| `", 0) != 0) continue;
        keys.insert(line.substr(3, line.find('`', 3) - 3));
    }
    return keys;
}

TEST(CliJson, EveryKeyIsDocumentedAndEveryDocumentedKeyAppears) {
    const TempFile roster("# r\nX Y 3 42\nshort\nl n 1 0\n");
    std::string full;
    for (int i = 0; i <= 10000; ++i) full += "L N 1 1\n";
    const TempFile fullRoster(full);
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"rate",
         {"rate --allies 60,50 --enemy-speed 50 --enemies 2 --exact", "rate --allies 6 --enemy-speed 5 --enemies 1",
          "rate --allies 60 --enemy-speeds 30,40"}},
        {"estimate",
         {"estimate --first-strike 95 --allies 1 --seed 2", "estimate --first-strike 95 --allies 60,50,40 --observed 7/20",
          "estimate --shut-out 50 --enemies 3 --allies 60 --exact", "estimate --observed 505000/1000000 --allies 100"}},
        {"curve",
         {"curve --allies 40 --enemies 2 --simulate --observed 3/10", "curve --allies 40 --from 20 --to 22",
          "curve --allies 40 --enemy-speeds 30,50 --vary 2 --from 20 --to 22"}},
        {"need",
         {"need --shut-out 90 --allies 60,50 --enemy-speeds 30,70 --member 2",
          "need --first-strike 50 --allies 60 --enemy-speed 50 --enemies 1"}},
        {"roster", {"roster " + roster.Path(), "roster " + fullRoster.Path()}},
        {"", {"rate --allies 6 --enemy-speed 0 --enemies 1", "roster /nonexistent"}},
    };
    for (const auto& [section, runs] : cases) {
        std::set<std::string> seen;
        for (const std::string& args : runs) {
            const auto o = RunCli(args + " --json");
            std::set<std::string> paths;
            KeyPaths(o.Json(), "", paths);
            for (const std::string& path : paths) {
                EXPECT_TRUE(DocumentedKeys(section).count(path)) << args << ": undocumented " << path;
            }
            seen.insert(paths.begin(), paths.end());
        }
        for (const std::string& key : DocumentedKeys(section)) {
            EXPECT_TRUE(seen.count(key)) << section << ": documented but never written: " << key;
        }
    }
}

TEST(CliCurve, ExactValuesAreTheExactRateCodesAndSimulatedOnesTheReferenceRuns) {
    const auto o = RunCli("curve --allies 60,50,40 --enemies 3 --from 30 --to 70 --simulate --seed 11 --json");
    ASSERT_EQ(o.status, 0) << o.err;
    const json points = o.Json()["points"];
    ASSERT_EQ(points.size(), 41u);
    const double allies[5] = {60, 50, 40, 0, 0};
    std::mt19937 engine(11);
    for (const json& p : points) {
        const int speed = p["speed"];
        const ExactRates exact = ExactRatesFor(allies, speed, 3);
        EXPECT_NEAR(p["exactFirstStrikeRate"].get<double>(), 100 * exact.firstStrike, 1e-10) << speed;
        EXPECT_NEAR(p["exactShutOutRate"].get<double>(), 100 * exact.shutOut, 1e-10) << speed;
        const auto counts = reference::Run(engine, allies, speed, 3);
        EXPECT_EQ(p["simulatedShutOutRate"], counts.winsAll / 1000.0) << speed;
        EXPECT_EQ(p["simulatedFirstStrikeRate"], counts.winsFirst / 1000.0) << speed;
    }
    // Without a range: every speed at which the rate can change for the best ally (60: 36 to 101).
    const json candidates = RunCli("curve --allies 60,50 --json").Json()["inputs"];
    EXPECT_EQ(candidates["from"], 36);
    EXPECT_EQ(candidates["to"], 101);
    // Past the window's 199: every speed at which the rate can change.
    EXPECT_EQ(RunCli("curve --allies 150 --json").Json()["inputs"]["to"], 251);
}

TEST(CliGroups, MixedRatesAreTheEnginesWithTheFirstListedEnemyFirst) {
    const auto j = RunCli("rate --allies 60,50,40 --enemy-speeds 80,30,30 --simulate --seed 3 --json").Json();
    const double allies[5] = {60, 50, 40, 0, 0};
    const std::vector<double> group = {80, 30, 30};
    std::mt19937 engine(3);
    const RunCounts counts = SimulateMixedRun(allies, group, engine);
    EXPECT_EQ(j["shutOutWins"], counts.shutOutWins);
    EXPECT_EQ(j["firstStrikeWins"], counts.firstStrikeWins);
    const ExactRates exact = ExactRatesForGroup(allies, group);
    EXPECT_NEAR(j["exactShutOutRate"].get<double>(), 100 * exact.shutOut, 1e-10);
    EXPECT_NEAR(j["exactFirstStrikeRate"].get<double>(), 100 * exact.firstStrike, 1e-10);
    EXPECT_LT(exact.firstStrike, 0.5);  // the fast enemy is the first
}

TEST(CliNeed, IsTheEnginesSearchInEveryForm) {
    struct Case {
        const char* args;
        double allies[5];
        int member;
        std::vector<double> enemies;
        bool shutOut;
        int percent;
        const char* text;
    };
    const Case cases[] = {
        {"--first-strike 90 --allies 60,50,40,30,20 --enemy-speeds 80,30,30 --member 5", {60, 50, 40, 30, 20}, 4,
         {80, 30, 30}, false, 90, "member 5 needs speed "},
        {"--shut-out 75 --allies 40,70 --enemy-speed 70 --enemies 3", {40, 70, 0, 0, 0}, kFastestMember, {70, 70, 70},
         true, 75, "member 2 needs speed "},
        {"--shut-out 90 --allies 60 --enemy-speed 2000000000 --enemies 2", {60, 0, 0, 0, 0}, kFastestMember,
         {2e9, 2e9}, true, 90, "no speed of member 1 brings the shut-out rate of 2 to 90 % (at 2147483647: "},
    };
    for (const Case& c : cases) {
        const SpeedNeeded found = FindSpeedNeeded(c.allies, c.member, c.enemies, c.shutOut, c.percent);
        const auto o = RunCli(std::string("need ") + c.args + " --json");
        ASSERT_EQ(o.status, 0) << c.args << o.err;
        const json j = o.Json();
        EXPECT_EQ(j["reachable"], found.reachable) << c.args;
        EXPECT_EQ(j["speed"], found.speed) << c.args;
        EXPECT_NEAR(j["exactRateAtSpeed"].get<double>(), 100 * found.rateAtSpeed, 1e-10) << c.args;
        EXPECT_NEAR(j["exactRateOneBelow"].get<double>(), 100 * found.rateOneBelow, 1e-10) << c.args;
        EXPECT_EQ(j["exactRateLimit"], 100.0) << c.args;
        const std::string text = RunCli(std::string("need ") + c.args).out;
        EXPECT_EQ(text.rfind(c.text, 0), 0u) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), found.reachable ? 1 : 2) << text;
    }
}

TEST(CliCurve, CsvIsRfc4180WithAHeaderRow) {
    for (const char* args : {"curve --allies 60 --enemies 2 --simulate --observed 7/20 --csv",
                             "rate --allies 60,50 --enemy-speed 40 --enemies 2 --exact --csv",
                             "estimate --first-strike 80 --allies 60 --csv",
                             "rate --allies 60 --enemy-speeds 30,40 --csv",
                             "need --shut-out 90 --allies 60,50 --enemy-speeds 30,70 --csv"}) {
        const auto o = RunCli(args);
        ASSERT_EQ(o.status, 0) << args << o.err;
        std::vector<std::vector<std::string>> records;
        // Fields: plain, or quoted with doubled quotes; every record ends with CRLF.
        std::vector<std::string> record;
        std::string field;
        size_t at = 0;
        const std::string& text = o.out;
        while (at < text.size()) {
            if (text[at] == '"') {
                for (++at; at < text.size() && !(text[at] == '"' && text.compare(at, 2, "\"\"") != 0); ++at) {
                    field += text[at];
                    if (text[at] == '"') ++at;
                }
                ++at;  // the closing quote
            } else {
                while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n' && text[at] != '"') {
                    field += text[at++];
                }
            }
            record.push_back(std::exchange(field, {}));
            if (text.compare(at, 1, ",") == 0) {
                ++at;
            } else if (text.compare(at, 2, "\r\n") == 0) {
                at += 2;
                records.push_back(std::exchange(record, {}));
            } else {
                break;
            }
        }
        EXPECT_EQ(at, o.out.size()) << args;
        ASSERT_GE(records.size(), 2u) << args;
        for (const auto& r : records) EXPECT_EQ(r.size(), records[0].size()) << args;
    }
    EXPECT_EQ(RunCli("rate --allies 60,50 --enemy-speed 40 --enemies 2 --seed 1 --csv").out.substr(0, 7), "allies,");
    EXPECT_NE(RunCli("rate --allies 60,50 --enemy-speed 40 --enemies 2 --csv").out.find("\r\n\"60,50\","), std::string::npos);
}

// A well-formedness check of our own: tags nest and close, attributes are quoted, and the
// text holds no bare '<' or '&'.
bool IsWellFormedXml(const std::string& xml, std::string& problem) {
    const auto isName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == ':' || c == '-'; };
    std::vector<std::string> open;
    size_t at = xml.rfind("<?xml", 0) == 0 ? xml.find("?>") + 2 : 0;
    while (at < xml.size()) {
        const size_t next = std::min(xml.find('<', at), xml.size());
        for (size_t i = at; i < next; ++i) {
            const bool entity = xml.compare(i, 5, "&amp;") == 0 || xml.compare(i, 4, "&lt;") == 0 || xml.compare(i, 4, "&gt;") == 0;
            if (xml[i] == '>' || (xml[i] == '&' && !entity)) {
                problem = "bad text at " + xml.substr(i, 40);
                return false;
            }
        }
        if (next == xml.size()) break;
        size_t i = next + 1;
        const bool closing = xml[i] == '/';
        if (closing) ++i;
        const size_t nameStart = i;
        while (i < xml.size() && isName(xml[i])) ++i;
        const std::string name = xml.substr(nameStart, i - nameStart);
        if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) {
            problem = "bad tag at " + xml.substr(next, 40);
            return false;
        }
        for (;;) {  // attributes: name="value"
            while (i < xml.size() && std::isspace(static_cast<unsigned char>(xml[i]))) ++i;
            if (i >= xml.size() || !isName(xml[i])) break;
            while (i < xml.size() && isName(xml[i])) ++i;
            if (xml.compare(i, 2, "=\"") != 0 || closing) {
                problem = "bad attribute in " + xml.substr(next, 60);
                return false;
            }
            const size_t end = xml.find('"', i + 2);
            if (end == std::string::npos || xml.substr(i + 2, end - i - 2).find('<') != std::string::npos) {
                problem = "bad attribute value in " + xml.substr(next, 60);
                return false;
            }
            i = end + 1;
        }
        const bool empty = xml.compare(i, 2, "/>") == 0;
        if (!empty && xml.compare(i, 1, ">") != 0) {
            problem = "unclosed tag " + xml.substr(next, 60);
            return false;
        }
        if (closing) {
            if (open.empty() || open.back() != name) {
                problem = "unbalanced </" + name + ">";
                return false;
            }
            open.pop_back();
        } else if (!empty) {
            open.push_back(name);
        }
        at = i + (empty ? 2 : 1);
    }
    if (!open.empty()) problem = "unclosed <" + open.back() + ">";
    return open.empty();
}

TEST(CliCurve, SvgIsWellFormedWithAxesBothLinesAndTheConsistentSpan) {
    const TempFile svg("", ".svg");
    const auto o = RunCli("curve --allies 60,50,40,30,20 --enemies 2 --observed 7/20 --simulate --seed 1 --svg " + svg.Path());
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    std::ifstream file(svg.Path());
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    std::string problem;
    EXPECT_TRUE(IsWellFormedXml(text, problem)) << problem;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n') > 20, true);
    const auto count = [&](const std::string& what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("<polyline"), 2u);
    EXPECT_EQ(count("<circle"), 2u * 66);  // the simulated points, 36 to 101
    EXPECT_EQ(count("stroke=\"none\""), 1u);  // the consistent span: one band
    EXPECT_NE(text.find(">enemy speed</text>"), std::string::npos);
    EXPECT_NE(text.find(">100</text>"), std::string::npos);
    EXPECT_EQ(RunCli("curve --allies 60 --svg /nonexistent/c.svg").status, 74);
}

}  // namespace
}  // namespace kestavel
