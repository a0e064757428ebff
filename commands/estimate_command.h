#pragma once
// The two estimation buttons: check the observed rate (and, for the shut-out kind, the enemy
// count), run the search with its progress in the status label, and show the five-row table.

#include <cstdint>
#include <functional>

#include "commands/form.h"
#include "engine/progress_sink.h"
#include "engine/speed_simulator.h"

namespace kestavel {

// `kind` is 1 (observed first-strike rate, field 2007) or 2 (enemy count 2008 and observed
// shut-out rate 2009). Returns 0 when the table was written, 1 otherwise. The search's
// progress goes to `progressLabel`, which the caller connects to the status label 1005; without
// it, straight into that label of `form`.
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

// A search behind the command: fills `bestSpeed` and the table rows of the record and returns
// an EstimateCode, as EstimateEnemySpeed does.
using EnemySpeedSearch = std::function<int32_t(SpeedSimulator& simulator, int32_t kind, ProgressSink& progress)>;

// OnEstimate with `search` in place of EstimateEnemySpeed: the same reads, checks, messages
// and table.
int32_t OnEstimateWith(SpeedSimulator& simulator, Form& form, int32_t kind, const EnemySpeedSearch& search);
int32_t OnEstimateWith(SpeedSimulator& simulator, Form& form, int32_t kind, const EnemySpeedSearch& search,
                       ProgressSink& progressLabel);

// The table header into the status label and the five rows into labels 1006 to 1010.
void WriteEstimateTable(const SpeedSimulator& simulator, Form& form);

}  // namespace kestavel
