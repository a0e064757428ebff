#include "report/text/roster_text.h"

#include <algorithm>
#include <cstdint>

#include "report/catalogue/catalogue.h"
#include "report/text/shown_text.h"

namespace kestavel::report {

namespace {

// How many of the four fields a short line has.
std::string FieldsFoundText(int fieldsRead) {
    if (fieldsRead <= 0) return Say("roster.drop.noField");
    if (fieldsRead == 1) return Say("roster.drop.oneField");
    if (fieldsRead == 2) return Say("roster.drop.twoFields");
    return Say("roster.drop.threeFields");
}

LineDiagnostic DropDiagnostic(const DroppedLine& d) {
    switch (d.reason) {
        case DropReason::kBlankLine: return {d.lineNumber, "blankLine", Say("roster.drop.blankLine"), true};
        case DropReason::kFieldTooLong:
            return {d.lineNumber, "fieldTooLong",
                    d.fieldsRead == 0 ? Say("roster.drop.labelTooLong") : Say("roster.drop.nameTooLong"), true};
        case DropReason::kNumberBelowOne:
            return {d.lineNumber, "numberBelowOne", Say("roster.drop.numberBelowOne", {d.number}), true};
        case DropReason::kOverCapacity: return {d.lineNumber, "overCapacity", Say("roster.drop.overCapacity"), true};
        case DropReason::kMissingField: break;
    }
    if (d.notANumber && d.fieldsRead == 3 && d.numberRunsOn) {
        return {d.lineNumber, "notANumber", Say("roster.drop.numberRanIntoSpeed", {d.number}), true};
    }
    if (d.notANumber) {
        return {d.lineNumber, "notANumber",
                d.fieldsRead == 2 ? Say("roster.drop.numberNotANumber") : Say("roster.drop.speedNotANumber"), true};
    }
    return {d.lineNumber, "missingField", FieldsFoundText(d.fieldsRead), true};
}

LineDiagnostic WarningDiagnostic(const WarnedLine& w) {
    switch (w.warning) {
        case RowWarning::kSpeedBelowOne:
            return {w.lineNumber, "speedBelowOne", Say("roster.warn.speedBelowOne", {w.value}), false};
        case RowWarning::kNumberRunsOn:
            return {w.lineNumber, "numberRunsOn", Say("roster.warn.numberRunsOn", {w.value}), false};
        case RowWarning::kSpeedRunsOn: return {w.lineNumber, "speedRunsOn", Say("roster.warn.speedRunsOn", {w.value}), false};
        case RowWarning::kNumberOverflows:
            return {w.lineNumber, "numberOverflows", Say("roster.warn.numberOverflows", {w.value}), false};
        case RowWarning::kSpeedOverflows:
            return {w.lineNumber, "speedOverflows", Say("roster.warn.speedOverflows", {w.value}), false};
        case RowWarning::kMoreThanFour: break;
    }
    return {w.lineNumber, "moreThanFourFields", Say("roster.warn.moreThanFour"), false};
}

}  // namespace

std::vector<LineDiagnostic> RosterDiagnostics(const RosterLoadReport& report) {
    std::vector<LineDiagnostic> all;
    size_t overCapacityAt = SIZE_MAX;
    for (const DroppedLine& d : report.dropped) {
        if (d.reason == DropReason::kOverCapacity && overCapacityAt != SIZE_MAX) {
            ++all[overCapacityAt].lines;
            continue;
        }
        if (d.reason == DropReason::kOverCapacity) overCapacityAt = all.size();
        all.push_back(DropDiagnostic(d));
    }
    for (const WarnedLine& w : report.warnings) all.push_back(WarningDiagnostic(w));
    std::stable_sort(all.begin(), all.end(), [](const LineDiagnostic& a, const LineDiagnostic& b) { return a.line < b.line; });
    return all;
}

std::string RosterRowsText(const analysis::RosterAnswer& answer) {
    const RosterTable& table = *answer.table;
    std::string text;
    for (int32_t row = 0; row < table.rowCount; ++row) {
        text += ShownText(answer.EntryText(row)) + "\t" + std::to_string(table.speed[row]) + "\n";
    }
    return text;
}

std::string RosterDiagnosticsText(const std::vector<LineDiagnostic>& diagnostics) {
    std::string text;
    for (const LineDiagnostic& d : diagnostics) {
        if (d.code == std::string_view("overCapacity")) {
            // Only rows past the capacity are counted here, so their lines need not be adjacent.
            text += Say("roster.overCapacitySummary", {d.line, d.lines}) + "\n";
        } else {
            text += (d.dropped ? Say("roster.droppedLine", {d.line, d.text}) : Say("roster.warnedLine", {d.line, d.text})) + "\n";
        }
    }
    return text;
}

std::string RosterEncodingText(RosterEncoding encoding) {
    std::string looksLike;
    switch (encoding) {
        case RosterEncoding::kCodePage932: return "";
        case RosterEncoding::kUtf8: looksLike = Say("roster.encoding.utf8"); break;
        case RosterEncoding::kUtf8WithBom: looksLike = Say("roster.encoding.utf8WithBom"); break;
        case RosterEncoding::kUtf16Le: looksLike = Say("roster.encoding.utf16Le"); break;
        case RosterEncoding::kUtf16Be: looksLike = Say("roster.encoding.utf16Be"); break;
    }
    // A NUL byte ends a line for the window, and UTF-16 puts one beside every ASCII character.
    const bool utf16 = encoding == RosterEncoding::kUtf16Le || encoding == RosterEncoding::kUtf16Be;
    const std::string effect = utf16 ? Say("roster.encoding.dropsLines") : Say("roster.encoding.garblesNames");
    return Say("roster.encoding.warning", {looksLike, effect}) + "\n";
}

}  // namespace kestavel::report
