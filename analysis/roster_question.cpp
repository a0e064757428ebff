#include "analysis/roster_question.h"

namespace kestavel::analysis {

RosterAnswer AnswerRoster(std::istream& lines) {
    RosterAnswer answer;
    answer.table = std::make_unique<RosterTable>();
    answer.table->rowCount = 0;
    ReadRosterLines(*answer.table, lines, &answer.report);
    return answer;
}

}  // namespace kestavel::analysis
