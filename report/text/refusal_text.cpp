#include "report/text/refusal_text.h"

#include <string>

#include "report/catalogue/catalogue.h"

namespace kestavel::report {

namespace {

using analysis::RefusedInput;

// The message for each input the window refuses: in Japanese the window's own (the catalogue
// test holds the two to the same words), in English its meaning.
std::string Message(RefusedInput input) {
    switch (input) {
        case RefusedInput::kEnemySpeed: return Say("refusal.enemySpeed");
        case RefusedInput::kEnemyCount: return Say("refusal.enemyCount");
        case RefusedInput::kObservedPercent: return Say("refusal.observedPercent");
        case RefusedInput::kObservedEncounters: return Say("refusal.observedEncounters");
        case RefusedInput::kObservedSuccesses: return Say("refusal.observedSuccesses");
        case RefusedInput::kBestAllySpeed: return Say("refusal.allySpeed");
    }
    return "";
}

std::string AcceptedText(const analysis::Refusal& r) {
    if (!r.highest) return Say("refusal.from", {r.lowest});
    if (r.input == RefusedInput::kBestAllySpeed) return Say("refusal.bestAlly", {r.lowest, *r.highest});
    return Say("refusal.fromTo", {r.lowest, *r.highest});
}

}  // namespace

std::string RefusalText(const analysis::Refusal& refusal) {
    // The value given in full: an observed count's N may be past what %d writes.
    return Message(refusal.input) + Say("refusal.range", {AcceptedText(refusal), std::to_string(refusal.given)});
}

}  // namespace kestavel::report
