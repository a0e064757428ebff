#include "commands/rate_command.h"

#include "commands/control_ids.h"
#include "commands/field_number.h"
#include "text/window_texts.h"
#include "text/text_format.h"
#include "engine/run_counts.h"
#include "record/rate_calculation.h"

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
                   FormatText(kTextBufferSize, messages::kShutOutResult, {s.enemyCount, PercentOfWins(s.winsAll)}));
    form.WriteText(kLabelFirstStrikeResult, FormatText(kTextBufferSize, messages::kFirstStrikeResult, {PercentOfWins(s.winsFirst)}));
    return 0;
}

}  // namespace kestavel
