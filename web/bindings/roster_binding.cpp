// roster(bytes): a roster file's bytes (a Uint8Array) as the window reads them. Texts stay code
// page 932 bytes (Uint8Array; TextDecoder('shift_jis') reads them); what was dropped or warned
// of is given by line and code, for the page to word.

#include <emscripten/bind.h>

#include <sstream>

#include "analysis/roster_question.h"
#include "web/bindings/js_values.h"

namespace kestavel::web {

namespace {

struct RosterAnswerValue {
    std::string encoding;
    val rows = val::null();
    val dropped = val::null();
    val warnings = val::null();
    bool readFailed = false;
};

val BytesValue(const std::string& bytes) {
    return val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data())))
        .call<val>("slice");
}

const char* DropReasonName(DropReason reason) {
    switch (reason) {
        case DropReason::kBlankLine: return "blankLine";
        case DropReason::kMissingField: return "missingField";
        case DropReason::kFieldTooLong: return "fieldTooLong";
        case DropReason::kNumberBelowOne: return "numberBelowOne";
        case DropReason::kOverCapacity: return "overCapacity";
    }
    return "unknown";
}

const char* RowWarningName(RowWarning warning) {
    switch (warning) {
        case RowWarning::kSpeedBelowOne: return "speedBelowOne";
        case RowWarning::kNumberRunsOn: return "numberRunsOn";
        case RowWarning::kSpeedRunsOn: return "speedRunsOn";
        case RowWarning::kMoreThanFour: return "moreThanFour";
        case RowWarning::kNumberOverflows: return "numberOverflows";
        case RowWarning::kSpeedOverflows: return "speedOverflows";
    }
    return "unknown";
}

RosterAnswerValue Roster(const val& bytes) {
    std::string content(bytes["length"].as<size_t>(), '\0');
    val(emscripten::typed_memory_view(content.size(), reinterpret_cast<uint8_t*>(content.data())))
        .call<void>("set", bytes);
    std::istringstream lines(std::move(content));
    const analysis::RosterAnswer answer = analysis::AnswerRoster(lines);

    RosterAnswerValue v;
    v.encoding = RosterEncodingCode(answer.report.encoding);
    v.rows = val::array();
    const RosterTable& table = *answer.table;
    for (int32_t row = 0; row < table.rowCount; ++row) {
        val entry = val::object();
        entry.set("entry", BytesValue(answer.EntryText(row)));
        entry.set("label", BytesValue(table.label[row]));
        entry.set("name", BytesValue(table.name[row]));
        entry.set("number", table.number[row]);
        entry.set("speed", table.speed[row]);
        v.rows.call<void>("push", entry);
    }
    v.dropped = val::array();
    for (const DroppedLine& d : answer.report.dropped) {
        val entry = val::object();
        entry.set("line", static_cast<double>(d.lineNumber));
        entry.set("reason", std::string(DropReasonName(d.reason)));
        entry.set("fieldsRead", d.fieldsRead);
        entry.set("notANumber", d.notANumber);
        entry.set("number", d.number);
        entry.set("numberRunsOn", d.numberRunsOn);
        v.dropped.call<void>("push", entry);
    }
    v.warnings = val::array();
    for (const WarnedLine& w : answer.report.warnings) {
        val entry = val::object();
        entry.set("line", static_cast<double>(w.lineNumber));
        entry.set("warning", std::string(RowWarningName(w.warning)));
        entry.set("value", w.value);
        v.warnings.call<void>("push", entry);
    }
    v.readFailed = answer.report.readFailed;
    return v;
}

}  // namespace

EMSCRIPTEN_BINDINGS(kestavel_roster) {
    emscripten::value_object<RosterAnswerValue>("RosterAnswer")
        .field("encoding", &RosterAnswerValue::encoding)
        .field("rows", &RosterAnswerValue::rows)
        .field("dropped", &RosterAnswerValue::dropped)
        .field("warnings", &RosterAnswerValue::warnings)
        .field("readFailed", &RosterAnswerValue::readFailed);
    emscripten::function("roster", &Roster);
}

}  // namespace kestavel::web
