#pragma once
// The roster drop-down list: filling it at start-up and copying a chosen enemy's speed into
// the enemy-speed field.

#include <string>

#include "commands/form.h"
#include "record/speed_simulator.h"
#include "roster/message_box_sink.h"
#include "roster/roster_entry_text.h"
#include "roster/roster_loader.h"

namespace kestavel {

// What the logic needs of the drop-down list. Texts are code page 932 bytes.
class RosterListView {
public:
    virtual ~RosterListView() = default;
    virtual void ResetContent() = 0;                       // remove every entry
    virtual void AddEntry(const std::string& text) = 0;    // append as the last entry
    virtual void SetSelection(int position) = 0;           // make `position` the shown choice
    virtual int GetSelection() = 0;                        // the current choice; -1 for none
};

// Loads the roster from `currentDirectory` and fills the list, whether or not the file could
// be read. Returns 0.
int LoadRosterAtStartup(SpeedSimulator& simulator, const std::string& currentDirectory, RosterListView& list,
                        MessageBoxSink& messageBox, const FilePathDecoder& decoder = BytesAsPath());

// The placeholder "すばやさを検索", then one entry per roster row; the placeholder is shown.
void FillRosterList(const SpeedSimulator& simulator, RosterListView& list);

// Copies the chosen row's speed, as decimal text, into the enemy-speed field (2005). The
// placeholder, no choice, or a position past the last row does nothing.
void OnRosterSelected(const SpeedSimulator& simulator, RosterListView& list, Form& form);

}  // namespace kestavel
