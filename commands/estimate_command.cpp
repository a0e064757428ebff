#include "commands/estimate_command.h"

#include "commands/control_ids.h"
#include "commands/field_number.h"
#include "commands/messages.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/text/text_format.h"
#include "engine/trial_run.h"

namespace kestavel {

namespace {

bool IsObservedRate(int32_t percent) { return percent >= 1 && percent <= 99; }

}  // namespace

void StatusLabelProgress::ReplaceText(const std::string& text) { form_.WriteText(kLabelEstimateStatus, text); }

int32_t OnEstimate(SpeedSimulator& s, Form& form, int32_t kind) { return OnEstimateWith(s, form, kind, EstimateEnemySpeed); }

int32_t OnEstimate(SpeedSimulator& s, Form& form, int32_t kind, ProgressSink& progressLabel) {
    return OnEstimateWith(s, form, kind, EstimateEnemySpeed, progressLabel);
}

int32_t OnEstimateWith(SpeedSimulator& s, Form& form, int32_t kind, const EnemySpeedSearch& search) {
    StatusLabelProgress progress(form);
    return OnEstimateWith(s, form, kind, search, progress);
}

int32_t OnEstimateWith(SpeedSimulator& s, Form& form, int32_t kind, const EnemySpeedSearch& search,
                       ProgressSink& progressLabel) {
    form.WriteText(kLabelEstimateStatus, "");
    for (int i = 0; i < kTableRows; ++i) form.WriteText(kLabelTableFirstRow + i, "");
    for (int n = 0; n < kAllyCount; ++n) s.allySpeed[n] = ReadFieldNumber(form, kFieldFirstAllySpeed + n);

    if (kind == kMatchFirstStrike) {
        s.enemyCount = 1;
        const int32_t percent = ReadFieldNumber(form, kFieldObservedFirstStrike);
        if (!IsObservedRate(percent)) {
            form.WriteText(kLabelEstimateStatus, messages::kObservedRateOutOfRange);
            return 1;
        }
        s.targetFirstRate = percent;
    } else if (kind == kMatchShutOut) {
        const int32_t count = ReadFieldNumber(form, kFieldShutOutEnemyCount);
        if (count < 1 || count > kMaxEnemyCount) {
            form.WriteText(kLabelEstimateStatus, messages::kEnemyCountInvalid);
            return 1;
        }
        s.enemyCount = count;
        const int32_t percent = ReadFieldNumber(form, kFieldObservedShutOut);
        if (!IsObservedRate(percent)) {
            form.WriteText(kLabelEstimateStatus, messages::kObservedRateOutOfRange);
            return 1;
        }
        s.targetAllRate = percent;
    }

    const int32_t code = search(s, kind, progressLabel);
    if (code == kEstimateAllySpeedInvalid) {
        form.WriteText(kLabelEstimateStatus, messages::kAllySpeedInvalid);
        return 1;
    }
    if (code != kEstimateOk) return 1;
    WriteEstimateTable(s, form);
    return 0;
}

void WriteEstimateTable(const SpeedSimulator& s, Form& form) {
    form.WriteText(kLabelEstimateStatus, FormatText(kTextBufferSize, messages::kEstimateTableHeader, {s.enemyCount}));
    for (int i = 0; i < kTableRows; ++i) {
        form.WriteText(kLabelTableFirstRow + i, FormatText(kTextBufferSize, messages::kEstimateTableRow,
                                                           {s.rowSpeed[i], s.rowFirstRate[i], s.rowAllRate[i]}));
    }
}

}  // namespace kestavel
