#include "commands/estimate_command.h"

#include "commands/control_ids.h"
#include "commands/field_number.h"
#include "engine/enemy_speed_estimation.h"
#include "engine/text_format.h"
#include "engine/trial_run.h"

namespace kestavel {

namespace {

// The search reports its progress in the status label.
class StatusLabelProgress final : public ProgressSink {
public:
    explicit StatusLabelProgress(Form& form) : form_(form) {}
    void ReplaceText(const std::string& text) override { form_.WriteText(kLabelEstimateStatus, text); }

private:
    Form& form_;
};

constexpr const char* kPercentRangeMessage = "1％から99％で入力してください";

bool IsObservedRate(int32_t percent) { return percent >= 1 && percent <= 99; }

}  // namespace

int32_t OnEstimate(SpeedSimulator& s, Form& form, int32_t kind) { return OnEstimateWith(s, form, kind, EstimateEnemySpeed); }

int32_t OnEstimateWith(SpeedSimulator& s, Form& form, int32_t kind, const EnemySpeedSearch& search) {
    form.WriteText(kLabelEstimateStatus, "");
    for (int i = 0; i < kTableRows; ++i) form.WriteText(kLabelTableFirstRow + i, "");
    for (int n = 0; n < kAllyCount; ++n) s.allySpeed[n] = ReadFieldNumber(form, kFieldFirstAllySpeed + n);

    if (kind == kMatchFirstStrike) {
        s.enemyCount = 1;
        const int32_t percent = ReadFieldNumber(form, kFieldObservedFirstStrike);
        if (!IsObservedRate(percent)) {
            form.WriteText(kLabelEstimateStatus, kPercentRangeMessage);
            return 1;
        }
        s.targetFirstRate = percent;
    } else if (kind == kMatchShutOut) {
        const int32_t count = ReadFieldNumber(form, kFieldShutOutEnemyCount);
        if (count < 1 || count > kMaxEnemyCount) {
            form.WriteText(kLabelEstimateStatus, "敵の数が不正な値です");
            return 1;
        }
        s.enemyCount = count;
        const int32_t percent = ReadFieldNumber(form, kFieldObservedShutOut);
        if (!IsObservedRate(percent)) {
            form.WriteText(kLabelEstimateStatus, kPercentRangeMessage);
            return 1;
        }
        s.targetAllRate = percent;
    }

    StatusLabelProgress progress(form);
    const int32_t code = search(s, kind, progress);
    if (code == kEstimateAllySpeedInvalid) {
        form.WriteText(kLabelEstimateStatus, "味方の素早さが不正な値です");
        return 1;
    }
    if (code != kEstimateOk) return 1;
    WriteEstimateTable(s, form);
    return 0;
}

void WriteEstimateTable(const SpeedSimulator& s, Form& form) {
    form.WriteText(kLabelEstimateStatus, FormatText(kTextBufferSize, "敵素早\t先制率　%d体完封率", {s.enemyCount}));
    for (int i = 0; i < kTableRows; ++i) {
        form.WriteText(kLabelTableFirstRow + i, FormatText(kTextBufferSize, "　%d\t %.1f\t %.1f",
                                                           {s.rowSpeed[i], s.rowFirstRate[i], s.rowAllRate[i]}));
    }
}

}  // namespace kestavel
