#include "roster/roster_entry_text.h"

#include "text/text_format.h"

namespace kestavel {

std::string RosterEntryText(const RosterTable& table, int32_t row) {
    return table.label[row] + FormatText(kTextBufferSize, "%d", {table.number[row]}) + ") " + table.name[row];
}

}  // namespace kestavel
