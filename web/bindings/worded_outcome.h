#pragma once
// What every question gives JavaScript: its answer's numbers or its refusal (one of them null),
// and the answer as kestavel-cli words and writes it in the page's language: `refusalText`,
// `json`, `csv`, `text` and `svg`, each null where the CLI has no such output.

#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "report/catalogue/catalogue.h"
#include "report/result_json.h"
#include "report/text/refusal_text.h"
#include "web/bindings/js_values.h"

namespace kestavel::web {

// "ja" or "en"; anything else is Japanese, the page's first language.
void UseLanguageNamed(const std::string& lang);

// How one question's answer is written; a null writer is an output the CLI does not offer.
template <typename Answer>
struct Writers {
    // The json type made complete wherever writers are named: clang gives a function whose return
    // type is not yet complete the signature () -> void, and WebAssembly traps on calling it.
    static_assert(sizeof(nlohmann::ordered_json) > 0);
    std::string (*text)(const Answer&);
    nlohmann::ordered_json (*json)(const Answer&);
    std::string (*csv)(const Answer&) = nullptr;
    std::string (*svg)(const Answer&) = nullptr;
};

template <typename Answer, typename Convert>
val WordedOutcome(const analysis::Outcome<Answer>& outcome, Convert convert, const Writers<Answer>& writers) {
    val result = OutcomeValue(outcome, convert);
    const Answer* answer = std::get_if<Answer>(&outcome);
    const auto written = [answer](auto writer) { return answer && writer ? val(writer(*answer)) : val::null(); };
    const analysis::Refusal* refusal = std::get_if<analysis::Refusal>(&outcome);
    result.set("refusalText", refusal ? val(report::RefusalText(*refusal)) : val::null());
    result.set("text", written(writers.text));
    result.set("json", answer ? val(report::JsonText(writers.json(*answer))) : val::null());
    result.set("csv", written(writers.csv));
    result.set("svg", written(writers.svg));
    return result;
}

}  // namespace kestavel::web
