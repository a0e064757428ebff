// Reading numbers from fields and formatting texts: the same bytes on every build.

#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cstring>
#include <random>

#include "text/debug_trace.h"
#include "text/number_text.h"
#include "text/text_format.h"
#include "tests/fakes.h"

namespace kestavel {
namespace {

TEST(ParseLeadingInt, ReadsLikeAtoiAndSaturatesAtThe32BitLimits) {
    EXPECT_EQ(ParseLeadingInt(""), 0);
    EXPECT_EQ(ParseLeadingInt("abc"), 0);
    EXPECT_EQ(ParseLeadingInt("45abc"), 45);
    EXPECT_EQ(ParseLeadingInt(" \t\n\v\f\r-12 7"), -12);
    EXPECT_EQ(ParseLeadingInt("+7"), 7);
    EXPECT_EQ(ParseLeadingInt("- 5"), 0);
    EXPECT_EQ(ParseLeadingInt("\x81\x40" "5"), 0);  // a full-width space is not a blank
    EXPECT_EQ(ParseLeadingInt("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseLeadingInt("2147483648"), INT32_MAX);
    EXPECT_EQ(ParseLeadingInt("99999999999"), INT32_MAX);
    EXPECT_EQ(ParseLeadingInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseLeadingInt("-2147483649"), INT32_MIN);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999999999"), INT32_MIN);
    EXPECT_EQ(ParseLeadingInt("000000000000000000000000042"), 42);
}

TEST(FormatFixed, IsTheExactValueRoundedHalfToEven) {
    EXPECT_EQ(FormatFixed(51.234, 1), "51.2");
    EXPECT_EQ(FormatFixed(73.456, 1), "73.5");
    EXPECT_EQ(FormatFixed(51.25, 1), "51.2");    // an exact tie goes to the even digit
    EXPECT_EQ(FormatFixed(51.35, 1), "51.4");    // 51.35 is stored a little above the tie
    EXPECT_EQ(FormatFixed(73.45, 1), "73.5");    // stored a little above
    EXPECT_EQ(FormatFixed(0.125, 2), "0.12");
    EXPECT_EQ(FormatFixed(0.375, 2), "0.38");
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(FormatFixed(3.5, 0), "4");
    EXPECT_EQ(FormatFixed(99.95, 1), "100.0");   // carries into a new digit
    EXPECT_EQ(FormatFixed(0.05, 1), "0.1");      // stored a little above the tie
    EXPECT_EQ(FormatFixed(100000 / 1000.0, 1), "100.0");
    EXPECT_EQ(FormatFixed(100.0, 1), "100.0");
    EXPECT_EQ(FormatFixed(0.0, 1), "0.0");
    EXPECT_EQ(FormatFixed(-0.0, 1), "-0.0");
    EXPECT_EQ(FormatFixed(-1.25, 1), "-1.2");
    EXPECT_EQ(FormatFixed(100.0 / 108, 1), "0.9");
    EXPECT_EQ(FormatFixed(100000, 0), "100000");
    EXPECT_EQ(FormatFixed(1e22, 0), "10000000000000000000000");
    EXPECT_EQ(FormatFixed(1e23, 0), "99999999999999991611392");
    EXPECT_EQ(FormatFixed(4.9e-324, 2), "0.00");
    EXPECT_EQ(FormatFixed(0.1, 20), "0.10000000000000000555");
    EXPECT_EQ(FormatFixed(1.0 / 0.0, 1), "inf");
}

// The own printer must give std::to_chars's bytes, which the builds whose library lacks it
// cannot ask for: doubles of every magnitude from random bits, rates as the program prints
// them (wins of 100000 in percent, probabilities times 100), and exact ties of each precision.
TEST(FormatFixed, GivesTheBytesOfToChars) {
    std::mt19937_64 bits(20240518);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        const uint64_t word = bits();
        double value = 0;
        std::memcpy(&value, &word, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    for (int wins = 0; wins <= 100000; wins += 7) values.push_back(wins / 1000.0);
    std::uniform_real_distribution<double> probability(0, 1);
    for (int i = 0; i < 20000; ++i) values.push_back(100 * probability(bits));
    for (int whole = 0; whole < 2000; ++whole) {
        for (double tie : {0.5, 0.25, 0.125, 0.0625, 0.03125, 0.5 + 0.25, 0.375}) values.push_back(whole + tie);
    }
    char expected[1200];
    for (double value : values) {
        for (int precision : {0, 1, 2, 3, 4, 6, 10, 17, kMostFixedDigits}) {
            const auto end = std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed, precision).ptr;
            ASSERT_EQ(FormatFixed(value, precision), std::string(expected, end)) << value << " to " << precision << " places";
        }
    }
}

TEST(FormatText, HandlesTheDirectivesTheProgramUses) {
    EXPECT_EQ(FormatText(100, "%d体 完封率: %.1f％", {2, 51.234}), "2体 完封率: 51.2％");
    EXPECT_EQ(FormatText(100, "　%d\t %.1f\t %.1f", {0, 0.0, 0.0}), "　0\t 0.0\t 0.0");
    EXPECT_EQ(FormatText(100, "%s %s %d %d \n", {"X", "Y", -3, INT32_MIN}), "X Y -3 -2147483648 \n");
    EXPECT_EQ(FormatText(100, "%.0f\t%.0f\n", {51234.0, 73456.0}), "51234\t73456\n");
    EXPECT_EQ(FormatText(100, "100%% %q", {}), "100% %q");
    EXPECT_EQ(FormatText(100, "%d %d", {1}), "1 ");  // a missing argument prints nothing
}

TEST(FormatText, StaysWithinItsBufferWithoutSplittingACharacter) {
    EXPECT_EQ(FormatText(6, "%s", {"abcdefgh"}), "abcde");
    EXPECT_EQ(FormatText(6, "abcd表", {}), "abcd");  // 表 would need bytes 5 and 6
    EXPECT_EQ(FormatText(1, "abc", {}), "");
    const std::string longName(2000, 'n');
    const std::string line = FormatText(kTraceBufferSize, "%s %s %d %d \n", {"label", longName, 1, 2});
    EXPECT_EQ(line.size(), 1023u);
}

TEST(DebugPrint, CutsALongLineToTheTraceBuffer) {
    testing::TraceCapture trace;
    DebugPrint("%s\n", std::string(5000, 'x'));
    ASSERT_EQ(trace.lines.size(), 1u);
    EXPECT_EQ(trace.lines[0], std::string(1023, 'x'));
}

// The program's texts are code page 932 bytes in the binary.
TEST(Cp932Literals, AreCompiledToCodePage932Bytes) {
    EXPECT_EQ(std::string("　"), "\x81\x40");
    EXPECT_EQ(std::string("％"), "\x81\x93");
    EXPECT_EQ(std::string("表"), "\x95\x5c");
    EXPECT_EQ(std::string("計算中: %.1f％"), "\x8c\x76\x8e\x5a\x92\x86: %.1f\x81\x93");
}

}  // namespace
}  // namespace kestavel
