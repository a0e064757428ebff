#include "cli/render/text/refusal_text.h"

#include "cli/cli_messages.h"
#include "cli/output/terminal_text.h"
#include "text/text_format.h"
#include "text/window_texts.h"

namespace kestavel::cli {

namespace {

using analysis::RefusedInput;

// The window's own message for each input it refuses.
const char* WindowMessage(RefusedInput input) {
    switch (input) {
        case RefusedInput::kEnemySpeed: return messages::kEnemySpeedInvalid;
        case RefusedInput::kEnemyCount: return messages::kEnemyCountInvalid;
        case RefusedInput::kObservedPercent: return messages::kObservedRateOutOfRange;
        case RefusedInput::kBestAllySpeed: return messages::kAllySpeedInvalid;
    }
    return "";
}

std::string AcceptedText(const analysis::Refusal& r) {
    if (!r.highest) return FormatText(100, kAcceptedFrom, {r.lowest});
    const char* form = r.input == RefusedInput::kBestAllySpeed ? kAcceptedBestAlly : kAcceptedFromTo;
    return FormatText(100, form, {r.lowest, *r.highest});
}

}  // namespace

std::string RefusalText(const analysis::Refusal& refusal) {
    return ShownText(WindowMessage(refusal.input)) + FormatText(200, kRefusalRange, {AcceptedText(refusal), refusal.given});
}

}  // namespace kestavel::cli
