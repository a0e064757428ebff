#include "commands/rate_command.h"

#include "commands/control_ids.h"
#include "commands/field_number.h"
#include "commands/messages.h"
#include "engine/text/text_format.h"
#include "engine/trial_run.h"

namespace kestavel {

int32_t OnCalculate(SpeedSimulator& s, Form& form) {
    form.WriteText(kLabelShutOutResult, "");
    form.WriteText(kLabelFirstStrikeResult, "");
    for (int n = 0; n < kAllyCount; ++n) s.allySpeed[n] = ReadFieldNumber(form, kFieldFirstAllySpeed + n);
    s.enemySpeed = ReadFieldNumber(form, kFieldEnemySpeed);
    s.enemyCount = ReadFieldNumber(form, kFieldEnemyCount);

    switch (CalculateRates(s)) {
        case kRateEnemySpeedInvalid:
            form.WriteText(kLabelShutOutResult, messages::kEnemySpeedInvalid);
            return 1;
        case kRateEnemyCountInvalid:
            form.WriteText(kLabelShutOutResult, messages::kEnemyCountInvalid);
            return 1;
        default:
            break;
    }
    form.WriteText(kLabelShutOutResult,
                   FormatText(kTextBufferSize, messages::kShutOutResult, {s.enemyCount, s.winsAll / 1000.0}));
    form.WriteText(kLabelFirstStrikeResult, FormatText(kTextBufferSize, messages::kFirstStrikeResult, {s.winsFirst / 1000.0}));
    return 0;
}

}  // namespace kestavel
