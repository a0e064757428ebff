#include "cli/render/text/roster_text.h"

#include <algorithm>
#include <cstdint>

#include "cli/cli_messages.h"
#include "cli/output/terminal_text.h"
#include "text/text_format.h"

namespace kestavel::cli {

namespace {

LineDiagnostic DropDiagnostic(const DroppedLine& d) {
    switch (d.reason) {
        case DropReason::kBlankLine: return {d.lineNumber, "blankLine", kDropBlankLine, true};
        case DropReason::kFieldTooLong:
            return {d.lineNumber, "fieldTooLong", d.fieldsRead == 0 ? kDropLabelTooLong : kDropNameTooLong, true};
        case DropReason::kNumberBelowOne:
            return {d.lineNumber, "numberBelowOne", FormatText(200, kDropNumberBelowOneGot, {d.number}), true};
        case DropReason::kOverCapacity: return {d.lineNumber, "overCapacity", kDropOverCapacity, true};
        case DropReason::kMissingField: break;
    }
    if (d.notANumber && d.fieldsRead == 3 && d.numberRunsOn) {
        return {d.lineNumber, "notANumber", FormatText(300, kDropNumberRanIntoSpeed, {d.number}), true};
    }
    if (d.notANumber) {
        return {d.lineNumber, "notANumber", d.fieldsRead == 2 ? kDropNumberNotANumber : kDropSpeedNotANumber, true};
    }
    return {d.lineNumber, "missingField", std::string(kDropFieldsFound[std::clamp(d.fieldsRead, 0, 3)]) + " " + kDropOfFour,
            true};
}

LineDiagnostic WarningDiagnostic(const WarnedLine& w) {
    switch (w.warning) {
        case RowWarning::kSpeedBelowOne:
            return {w.lineNumber, "speedBelowOne", FormatText(200, kWarnSpeedBelowOne, {w.value}), false};
        case RowWarning::kNumberRunsOn:
            return {w.lineNumber, "numberRunsOn", FormatText(200, kWarnNumberRunsOn, {w.value}), false};
        case RowWarning::kSpeedRunsOn:
            return {w.lineNumber, "speedRunsOn", FormatText(200, kWarnSpeedRunsOn, {w.value}), false};
        case RowWarning::kNumberOverflows:
            return {w.lineNumber, "numberOverflows", FormatText(200, kWarnNumberOverflows, {w.value}), false};
        case RowWarning::kSpeedOverflows:
            return {w.lineNumber, "speedOverflows", FormatText(200, kWarnSpeedOverflows, {w.value}), false};
        case RowWarning::kMoreThanFour: break;
    }
    return {w.lineNumber, "moreThanFourFields", kWarnMoreThanFour, false};
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
            text += FormatText(300, kDropOverCapacitySummary, {d.line, d.lines}) + "\n";
        } else {
            text += FormatText(1200, d.dropped ? kDroppedLine : kWarnedLine, {d.line, d.text}) + "\n";
        }
    }
    return text;
}

std::string RosterEncodingText(RosterEncoding encoding) {
    const char* looksLike = kEncodingUtf8;
    switch (encoding) {
        case RosterEncoding::kCodePage932: return "";
        case RosterEncoding::kUtf8: break;
        case RosterEncoding::kUtf8WithBom: looksLike = kEncodingUtf8WithBom; break;
        case RosterEncoding::kUtf16Le: looksLike = kEncodingUtf16Le; break;
        case RosterEncoding::kUtf16Be: looksLike = kEncodingUtf16Be; break;
    }
    // A NUL byte ends a line for the window, and UTF-16 puts one beside every ASCII character.
    const bool utf16 = encoding == RosterEncoding::kUtf16Le || encoding == RosterEncoding::kUtf16Be;
    return FormatText(600, kEncodingWarning, {looksLike, utf16 ? kEncodingDropsLines : kEncodingGarblesNames}) + "\n";
}

}  // namespace kestavel::cli
