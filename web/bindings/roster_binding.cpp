// roster(bytes, fileName, lang): a roster file's bytes (a Uint8Array) as the window reads them.
// The answer: the encoding the bytes look like and the line saying so (null for code page 932),
// the rows with their texts as UTF-8, what was dropped or warned of, worded; beside it the JSON
// and text kestavel-cli writes for `roster fileName`.

#include <emscripten/bind.h>

#include <sstream>

#include "analysis/roster_question.h"
#include "report/catalogue/catalogue.h"
#include "report/result_json.h"
#include "report/text/roster_text.h"
#include "report/text/shown_text.h"
#include "web/bindings/js_values.h"
#include "web/bindings/worded_outcome.h"

namespace kestavel::web {

namespace {

val RowsValue(const analysis::RosterAnswer& answer) {
    val rows = val::array();
    const RosterTable& table = *answer.table;
    for (int32_t row = 0; row < table.rowCount; ++row) {
        val entry = val::object();
        entry.set("entry", report::Utf8Text(answer.EntryText(row)));
        entry.set("label", report::Utf8Text(table.label[row]));
        entry.set("name", report::Utf8Text(table.name[row]));
        entry.set("number", table.number[row]);
        entry.set("speed", table.speed[row]);
        rows.call<void>("push", entry);
    }
    return rows;
}

val DiagnosticsValue(const analysis::RosterAnswer& answer) {
    val diagnostics = val::array();
    for (const report::LineDiagnostic& d : report::RosterDiagnostics(answer.report)) {
        val entry = val::object();
        entry.set("line", static_cast<double>(d.line));
        entry.set("lines", static_cast<double>(d.lines));
        entry.set("code", std::string(d.code));
        entry.set("dropped", d.dropped);
        entry.set("text", d.text);
        diagnostics.call<void>("push", entry);
    }
    return diagnostics;
}

val Roster(const val& bytes, const std::string& fileName, const std::string& lang) {
    UseLanguageNamed(lang);
    std::string content(bytes["length"].as<size_t>(), '\0');
    val(emscripten::typed_memory_view(content.size(), reinterpret_cast<uint8_t*>(content.data())))
        .call<void>("set", bytes);
    std::istringstream lines(std::move(content));
    const analysis::RosterAnswer answer = analysis::AnswerRoster(lines);

    val v = val::object();
    v.set("encoding", std::string(RosterEncodingCode(answer.report.encoding)));
    const std::string encodingText = report::RosterEncodingText(answer.report.encoding);
    v.set("encodingText", encodingText.empty() ? val::null() : val(encodingText));
    v.set("rows", RowsValue(answer));
    v.set("diagnostics", DiagnosticsValue(answer));
    v.set("readFailed", answer.report.readFailed);

    val result = val::object();
    result.set("answer", v);
    result.set("json", report::JsonText(report::RosterJson(fileName, answer, "")));
    result.set("text", report::RosterRowsText(answer));
    return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestavel_roster) { emscripten::function("roster", &Roster); }

}  // namespace kestavel::web
