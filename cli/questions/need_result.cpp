#include "cli/questions/need_result.h"

#include <algorithm>
#include <iterator>

namespace kestavel::cli {

Outcome<NeedResult> RunNeed(const NeedInputs& in) {
    if (std::optional<Refusal> refusal = GroupRefusal(in.enemies)) return *refusal;
    double allies[kAllyCount];
    SetAllySpeeds(allies, in.allies);
    const int member = in.member ? *in.member - 1
                                 : static_cast<int>(std::max_element(std::begin(allies), std::end(allies)) - std::begin(allies));
    NeedResult result;
    result.inputs = in;
    result.member = member + 1;
    result.found = FindSpeedNeeded(allies, member, in.enemies.Speeds(), in.shutOut.has_value(),
                                   in.shutOut.value_or(in.firstStrike.value_or(0)));
    return result;
}

}  // namespace kestavel::cli
