#include "cli/questions/encounter/party.h"

#include <random>
#include <string>

#include "commands/control_ids.h"

namespace kestavel::cli {

void SetAllyFields(CliForm& form, const Party& party) {
    for (size_t n = 0; n < kAllyCount; ++n) {
        form.SetField(kFieldFirstAllySpeed + static_cast<int>(n), n < party.size() ? std::to_string(party[n]) : "");
    }
}

void SetAllySpeeds(double (&allySpeed)[kAllyCount], const Party& party) {
    for (size_t n = 0; n < kAllyCount; ++n) allySpeed[n] = n < party.size() ? party[n] : 0;
}

std::string PartyText(const Party& party) {
    std::string text;
    for (size_t i = 0; i < party.size(); ++i) text += (i ? "," : "") + std::to_string(party[i]);
    return text;
}

uint32_t DrawSeed() {
    std::random_device device;
    return static_cast<uint32_t>(device());
}

}  // namespace kestavel::cli
