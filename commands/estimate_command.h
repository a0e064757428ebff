#pragma once
// The two estimation buttons: check the observed rate (and, for the shut-out kind, the enemy
// count), run the search with its progress in the status label, and show the five-row table.

#include <cstdint>

#include "commands/form.h"
#include "commands/progress/progress_sink.h"
#include "record/speed_simulator.h"

namespace kestavel {

// `kind` is 1 (observed first-strike rate, field 2007) or 2 (enemy count 2008 and observed
// shut-out rate 2009). Returns 0 when the table was written, 1 otherwise. The search's
// progress texts go to `progressLabel`, which the caller connects to the status label 1005;
// without it, straight into that label of `form`.
int32_t OnEstimate(SpeedSimulator& simulator, Form& form, int32_t kind);
int32_t OnEstimate(SpeedSimulator& simulator, Form& form, int32_t kind, ProgressSink& progressLabel);

// The status label 1005 of `form` as a progress sink.
class StatusLabelProgress final : public ProgressSink {
public:
    explicit StatusLabelProgress(Form& form) : form_(form) {}
    void ReplaceText(const std::string& text) override;

private:
    Form& form_;
};

}  // namespace kestavel
