#include "commands/roster_list.h"

#include "commands/control_ids.h"
#include "text/window_texts.h"
#include "text/text_format.h"
#include "roster/roster_loader.h"

namespace kestavel {

namespace {

std::string DecimalText(int32_t value) { return FormatText(kTextBufferSize, "%d", {value}); }

}  // namespace

int LoadRosterAtStartup(SpeedSimulator& simulator, const std::string& currentDirectory, RosterListView& list,
                        MessageBoxSink& messageBox, const FilePathDecoder& decoder) {
    LoadRoster(simulator.roster, currentDirectory, messageBox, decoder);
    FillRosterList(simulator, list);
    return 0;
}

void FillRosterList(const SpeedSimulator& simulator, RosterListView& list) {
    list.ResetContent();
    list.AddEntry(messages::kRosterPlaceholder);
    const RosterTable& table = simulator.roster;
    for (int32_t row = 0; row < table.rowCount; ++row) list.AddEntry(RosterEntryText(table, row));
    list.SetSelection(0);
}

void OnRosterSelected(const SpeedSimulator& simulator, RosterListView& list, Form& form) {
    const int position = list.GetSelection();
    if (position < 1 || position > simulator.roster.rowCount) return;
    form.WriteText(kFieldEnemySpeed, DecimalText(simulator.roster.speed[position - 1]));
}

}  // namespace kestavel
