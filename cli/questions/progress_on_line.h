#pragma once
// A simulated estimation's progress on the terminal's stderr line, worded as the window words
// it in its status label.

#include "cli/output/progress_line.h"
#include "engine/estimation/estimation_progress.h"

namespace kestavel::cli {

class ProgressOnLine final : public EstimationProgress {
public:
    explicit ProgressOnLine(ProgressLine& line) : line_(line) {}
    void SearchRunsDone(int32_t done, int32_t toDo) override;
    void TableStarted() override;
    void Finished() override;

private:
    ProgressLine& line_;
};

}  // namespace kestavel::cli
