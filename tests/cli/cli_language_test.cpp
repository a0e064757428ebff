// kestavel-cli's two languages: the catalogues hold the same texts in both, every text the
// sources ask for, with the same values in the same order; the language comes from --lang,
// else from the system, and reaches every kind of message.

#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "tests/cli/cli_run.h"
#include "text/window_texts.h"

namespace kestavel {
namespace {

using nlohmann::json;
using testing::RunCliIn;
using testing::Utf8;

json Catalogue(const std::string& language) {
    std::ifstream file(std::string(KESTAVEL_SOURCE_DIR) + "/messages/" + language + ".json");
    return json::parse(file);
}

// The values a text takes, in order ("%d", "%.1f", "%s"); "?" for a percent sign that starts no
// directive FormatText knows (a literal one is written %%).
std::vector<std::string> Directives(const std::string& text) {
    std::vector<std::string> found;
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at)) {
        size_t end = at + 1;
        if (end < text.size() && text[end] == '%') {
            at = end + 1;
            continue;
        }
        if (end < text.size() && text[end] == '.') ++end;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
        const bool known = end < text.size() && std::string_view("difsu").find(text[end]) != std::string_view::npos;
        found.push_back(known ? text.substr(at, end + 1 - at) : "?");
        at = known ? end + 1 : at + 1;
    }
    return found;
}

// Every key in the files under `folder` that starts with `start` right after `opening` and
// ends at the next `close`: each is a literal where it is used.
void AddQuotedKeys(const std::string& folder, const std::string& opening, const std::string& start, char close,
                   std::set<std::string>& keys) {
    const std::string lookup = opening + start;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(KESTAVEL_SOURCE_DIR) + folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path());
        const std::string text((std::istreambuf_iterator<char>(file)), {});
        for (size_t at = text.find(lookup); at != std::string::npos; at = text.find(lookup, at)) {
            at += opening.size();
            const size_t end = text.find(close, at);
            if (end == std::string::npos) break;
            keys.insert(text.substr(at, end - at));
        }
    }
}

// Every key the front ends look up: kestavel-cli's and its wording's at their Say(), the page's
// (page.*) as a quoted literal in its sources (not its build script, which names the prefix).
std::set<std::string> KeysTheSourcesUse() {
    std::set<std::string> keys;
    for (const char* folder : {"/cli", "/report"}) AddQuotedKeys(folder, "Say(\"", "", '"', keys);
    AddQuotedKeys("/web/page/src", "'", "page.", '\'', keys);
    return keys;
}

std::string Cp932(const std::string& utf8) {
    iconv_t cd = ::iconv_open("CP932", "UTF-8");
    std::string in = utf8, out(utf8.size() * 2, '\0');
    char* from = in.data();
    char* to = out.data();
    size_t fromLeft = in.size(), toLeft = out.size();
    ::iconv(cd, &from, &fromLeft, &to, &toLeft);
    ::iconv_close(cd);
    return out.substr(0, out.size() - toLeft);
}

TEST(CliCatalogue, BothLanguagesHoldEveryTextTheSourcesUseWithTheSameValues) {
    const json english = Catalogue("en"), japanese = Catalogue("ja");
    ASSERT_TRUE(english.is_object() && japanese.is_object());
    const std::set<std::string> used = KeysTheSourcesUse();
    for (const auto& [key, text] : english.items()) {
        ASSERT_TRUE(text.is_string()) << key;
        ASSERT_TRUE(japanese.contains(key) && japanese[key].is_string()) << key << " is not in ja.json";
        const std::string en = text, ja = japanese[key];
        EXPECT_FALSE(en.empty() || ja.empty()) << key;
        const std::vector<std::string> directives = Directives(en);
        EXPECT_EQ(directives, Directives(ja)) << key;
        EXPECT_EQ(std::count(directives.begin(), directives.end(), "?"), 0) << key << ": a lone %";
        // No kana, kanji or full-width form (UTF-8 lead bytes E3 to EF) in an English text.
        EXPECT_TRUE(std::none_of(en.begin(), en.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE3; })) << key;
        EXPECT_TRUE(used.count(key)) << key << " is used nowhere in cli/, report/ or web/page/";
    }
    for (const auto& [key, text] : japanese.items()) EXPECT_TRUE(english.contains(key)) << key << " is not in en.json";
    for (const std::string& key : used) EXPECT_TRUE(english.contains(key)) << key << " is in no catalogue";

    // A refusal in Japanese is the window's own message, word for word.
    const std::pair<const char*, const char*> windowsOwn[] = {
        {"refusal.enemySpeed", messages::kEnemySpeedInvalid},
        {"refusal.enemyCount", messages::kEnemyCountInvalid},
        {"refusal.observedPercent", messages::kObservedRateOutOfRange},
        {"refusal.allySpeed", messages::kAllySpeedInvalid},
    };
    for (const auto& [key, window] : windowsOwn) EXPECT_EQ(Cp932(japanese[key]), window) << key;
}

TEST(CliLanguage, TheOptionThenTheSystemChooseForEveryKindOfMessage) {
    const std::string refused = "rate --allies 60 --enemy-speed -5 --enemies 2";
    const testing::TempFile roster("a b 1 5\nshort\na b 1 0\n");
    const std::string japaneseRefusal = Utf8(u8"kestavel-cli: 敵の素早さが不正な値です（1 以上、指定は -5）\n");
    const std::string englishRefusal = "kestavel-cli: the enemy speed is not valid (1 or more; got -5)\n";
    struct Case {
        const char* environment;
        std::string args;
        bool onStdout;
        std::string expected;  // the start of what the stream holds
    };
    const Case cases[] = {
        {"LC_ALL= LC_MESSAGES= LANG=C", "--lang ja " + refused, false, japaneseRefusal},
        {"LC_ALL= LC_MESSAGES= LANG=ja_JP.UTF-8", refused, false, japaneseRefusal},
        {"LC_ALL= LC_MESSAGES= LANG=ja_JP.UTF-8", refused + " --lang=en", false, englishRefusal},
        {"LC_ALL=C LANG=ja_JP.UTF-8", refused, false, englishRefusal},
        {"LC_ALL= LC_MESSAGES=ja_JP.UTF-8 LANG=C", refused, false, japaneseRefusal},
        {"LC_ALL= LC_MESSAGES= LANG=ja_JP.eucJP", refused + " --json", true,
         Utf8(u8"{\n  \"error\": {\n    \"code\": \"refused\",\n    \"message\": \"敵の素早さが不正な値です（1 以上、指定は -5）\"")},
        {"LANG=ja_JP.UTF-8", "--lang ja " + refused + " --enemies 3", false,
         Utf8(u8"kestavel-cli: --enemies が 2 回以上指定されています\n「kestavel-cli rate --help」で使い方を表示します\n")},
        {"LANG=ja_JP.UTF-8", "--lang ja estimate --first-strike 5 --allies 150 --seed 1", false,
         Utf8(u8"kestavel-cli: 注意: 5％ はどの候補の素早さでも出ない割合です")},
        {"LANG=ja_JP.UTF-8", "--lang ja curve --allies 60 --observed 7/20", true,
         Utf8(u8"敵の素早さ\t先制率(理論値)\t1体完封率(理論値)\t観測 先制 7/20\n")},
        {"LANG=ja_JP.UTF-8", "--lang ja roster " + roster.Path(), false,
         Utf8(u8"2 行目は一覧に入りません: 項目が 1 つしかありません（ラベル 名前 番号 素早さ の 4 つが必要です）\n"
              u8"3 行目に注意: 素早さ 0 は 1 より小さい値です")},
        {"LC_ALL=C", "--lang ja rate --help", true, Utf8(u8"同じ素早さの敵 N 体、")},
    };
    for (const Case& c : cases) {
        const auto o = RunCliIn(c.environment, c.args);
        const std::string& stream = c.onStdout ? o.out : o.err;
        EXPECT_EQ(stream.substr(0, c.expected.size()), c.expected) << c.environment << " " << c.args;
    }
    // CLI11's words too; the columns line up by what a terminal shows (必須: four columns, six bytes).
    const char* japaneseSystem = "LC_ALL= LC_MESSAGES= LANG=ja_JP.UTF-8";
    const std::string help = RunCliIn(japaneseSystem, "rate --help").out;
    EXPECT_NE(help.find(Utf8(u8"\n使い方: kestavel-cli rate [オプション]\n\nオプション:\n")), std::string::npos) << help;
    EXPECT_NE(help.find(Utf8(u8"\n  --allies A1,... 必須        味方 1 人から 5 人の素早さ")), std::string::npos) << help;
    const std::string observed = RunCliIn(japaneseSystem, "estimate --observed 19/20 --allies 60,50,40,30,20").out;
    EXPECT_NE(observed.find(Utf8(u8"← いちばん合う\n")), std::string::npos) << observed;
    EXPECT_NE(observed.find(Utf8(u8"\n観測: 先制 19/20回\n95％水準で矛盾しない敵の素早さ: 38～53\n"
                                 u8"いちばんありそうな敵の素早さ: 45 (94.4367％)\n")),
              std::string::npos)
        << observed;
}

}  // namespace
}  // namespace kestavel
