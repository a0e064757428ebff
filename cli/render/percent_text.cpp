#include "cli/render/percent_text.h"

#include <charconv>

#include "engine/run_counts.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

std::string TrimZeros(std::string text) {
    while (text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text;
}

double Parse(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::string SimulatedPercentText(int64_t wins) { return TrimZeros(FormatFixed(PercentOfWins(static_cast<double>(wins)), 3)); }

double SimulatedPercentNumber(int64_t wins) { return Parse(SimulatedPercentText(wins)); }

std::string ExactPercentText(double probability) { return TrimZeros(FormatFixed(100 * probability, 10)); }

double ExactPercentNumber(double probability) { return Parse(ExactPercentText(probability)); }

}  // namespace kestavel::cli
