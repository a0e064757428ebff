#include "analysis/percent_text.h"

#include <cmath>

#include "engine/run_counts.h"
#include "text/text_format.h"

namespace kestavel::analysis {

namespace {

std::string TrimZeros(std::string text) {
    while (text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text;
}

// The double nearest a text of digits with a point, at most 15 of them: the digits as a whole
// number and the power of ten are both exact doubles, so their quotient, rounded once, is the
// nearest double (what std::from_chars would give, which not every library has for doubles, and
// without strtod's dependence on the locale).
double ShortDecimalValue(const std::string& text) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    size_t i = text[0] == '-' ? 1 : 0;
    int64_t whole = 0;
    int places = -1;
    for (; i < text.size(); ++i) {
        if (text[i] == '.') {
            places = 0;
            continue;
        }
        whole = whole * 10 + (text[i] - '0');
        if (places >= 0) ++places;
    }
    const double value = static_cast<double>(whole) / kPowersOfTen[places < 0 ? 0 : places];
    return text[0] == '-' ? -value : value;
}

// A percent's number: its text's, for a finite one (a rate's text has at most 13 digits).
double NumberOf(double percent, const std::string& text) { return std::isfinite(percent) ? ShortDecimalValue(text) : percent; }

}  // namespace

std::string SimulatedPercentText(int64_t wins) { return TrimZeros(FormatFixed(PercentOfWins(static_cast<double>(wins)), 3)); }

double SimulatedPercentNumber(int64_t wins) {
    return NumberOf(PercentOfWins(static_cast<double>(wins)), SimulatedPercentText(wins));
}

std::string ExactPercentText(double probability) { return TrimZeros(FormatFixed(100 * probability, 10)); }

double ExactPercentNumber(double probability) { return NumberOf(100 * probability, ExactPercentText(probability)); }

}  // namespace kestavel::analysis
