#include "analysis/need_question.h"

#include <algorithm>
#include <iterator>

namespace kestavel::analysis {

Outcome<NeedAnswer> AnswerNeed(const NeedRequest& r) {
    if (std::optional<Refusal> refusal = GroupRefusal(r.enemies)) return *refusal;
    double allySpeed[kAllyCount];
    FillAllySpeeds(r.allies, allySpeed);
    const int member = r.member ? *r.member - 1
                                : static_cast<int>(std::max_element(std::begin(allySpeed), std::end(allySpeed)) -
                                                   std::begin(allySpeed));
    NeedAnswer answer;
    answer.request = r;
    answer.member = member + 1;
    answer.found = FindSpeedNeeded(allySpeed, member, r.enemies.Speeds(), r.shutOut.has_value(),
                                   r.shutOut.value_or(r.firstStrike.value_or(0)));
    return answer;
}

}  // namespace kestavel::analysis
