// Numbers written as the CLI writes them: formatFixed(x, places) is its %.Nf, and the percents
// of CSV and JSON from a count of 100000 or a probability. JavaScript's toFixed rounds ties up
// and is not used for them.

#include <emscripten/bind.h>

#include "analysis/percent_text.h"
#include "text/text_format.h"

namespace kestavel::web {

namespace {

std::string SimulatedText(double wins) { return analysis::SimulatedPercentText(static_cast<int64_t>(wins)); }
double SimulatedNumber(double wins) { return analysis::SimulatedPercentNumber(static_cast<int64_t>(wins)); }

}  // namespace

EMSCRIPTEN_BINDINGS(kestavel_numbers) {
    emscripten::function("formatFixed", &FormatFixed);
    emscripten::function("simulatedPercentText", &SimulatedText);
    emscripten::function("simulatedPercentNumber", &SimulatedNumber);
    emscripten::function("exactPercentText", &analysis::ExactPercentText);
    emscripten::function("exactPercentNumber", &analysis::ExactPercentNumber);
}

}  // namespace kestavel::web
