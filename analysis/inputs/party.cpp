#include "analysis/inputs/party.h"

#include "engine/initiative.h"

namespace kestavel::analysis {

void FillAllySpeeds(const Party& party, double (&allySpeed)[kAllyCount]) {
    for (size_t n = 0; n < kAllyCount; ++n) allySpeed[n] = n < party.size() ? party[n] : 0;
}

std::optional<Refusal> CandidatePartyRefusal(const Party& party) {
    double allySpeed[kAllyCount];
    FillAllySpeeds(party, allySpeed);
    const double best = BestAllySpeed(allySpeed);
    if (kBestAllySpeedRange.Holds(best)) return std::nullopt;
    return RefusalOutside(RefusedInput::kBestAllySpeed, kBestAllySpeedRange, static_cast<int64_t>(best));
}

}  // namespace kestavel::analysis
