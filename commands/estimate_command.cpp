#include "commands/estimate_command.h"

#include "commands/control_ids.h"
#include "commands/field_number.h"
#include "commands/progress/progress_wording.h"
#include "engine/input_ranges.h"
#include "record/enemy_speed_estimation.h"
#include "text/text_format.h"
#include "text/window_texts.h"

namespace kestavel {

namespace {

// The header into the status label and the five rows into labels 1006 to 1010.
void WriteEstimateTable(const SpeedSimulator& s, Form& form) {
    form.WriteText(kLabelEstimateStatus, FormatText(kTextBufferSize, messages::kEstimateTableHeader, {s.enemyCount}));
    for (int i = 0; i < kTableRows; ++i) {
        form.WriteText(kLabelTableFirstRow + i, FormatText(kTextBufferSize, messages::kEstimateTableRow,
                                                           {s.rowSpeed[i], s.rowFirstRate[i], s.rowAllRate[i]}));
    }
}

}  // namespace

void StatusLabelProgress::ReplaceText(const std::string& text) { form_.WriteText(kLabelEstimateStatus, text); }

int32_t OnEstimate(SpeedSimulator& s, Form& form, int32_t kind) {
    StatusLabelProgress progress(form);
    return OnEstimate(s, form, kind, progress);
}

int32_t OnEstimate(SpeedSimulator& s, Form& form, int32_t kind, ProgressSink& progressLabel) {
    form.WriteText(kLabelEstimateStatus, "");
    for (int i = 0; i < kTableRows; ++i) form.WriteText(kLabelTableFirstRow + i, "");
    for (int n = 0; n < kAllyCount; ++n) s.allySpeed[n] = ReadFieldNumber(form, kFieldFirstAllySpeed + n);

    if (kind == kMatchFirstStrike) {
        s.enemyCount = 1;
        const int32_t percent = ReadFieldNumber(form, kFieldObservedFirstStrike);
        if (!kObservedPercentRange.Holds(percent)) {
            form.WriteText(kLabelEstimateStatus, messages::kObservedRateOutOfRange);
            return 1;
        }
        s.targetFirstRate = percent;
    } else if (kind == kMatchShutOut) {
        const int32_t count = ReadFieldNumber(form, kFieldShutOutEnemyCount);
        if (!kEnemyCountRange.Holds(count)) {
            form.WriteText(kLabelEstimateStatus, messages::kEnemyCountInvalid);
            return 1;
        }
        s.enemyCount = count;
        const int32_t percent = ReadFieldNumber(form, kFieldObservedShutOut);
        if (!kObservedPercentRange.Holds(percent)) {
            form.WriteText(kLabelEstimateStatus, messages::kObservedRateOutOfRange);
            return 1;
        }
        s.targetAllRate = percent;
    }

    ProgressWording wording(progressLabel);
    const int32_t code = EstimateEnemySpeed(s, kind, wording);
    if (code == kEstimateAllySpeedInvalid) {
        form.WriteText(kLabelEstimateStatus, messages::kAllySpeedInvalid);
        return 1;
    }
    if (code != kEstimateOk) return 1;
    WriteEstimateTable(s, form);
    return 0;
}

}  // namespace kestavel
