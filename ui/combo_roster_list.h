#pragma once
// The roster list of the core, shown in the main window's drop-down list 4000.

#include "roster/roster_list.h"

namespace kestavel::ui {

class ComboRosterList final : public RosterListView {
public:
    void ResetContent() override;
    void AddEntry(const std::string& text) override;
    void SetSelection(int position) override;
    int GetSelection() override;
};

}  // namespace kestavel::ui
