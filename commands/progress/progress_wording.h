#pragma once
// The estimation's progress as the window words it in its status label: "計算中: n.n％" after
// each run of the search, "表示準備中..." while the table is filled, and the empty text at the
// end.

#include "commands/progress/progress_sink.h"
#include "engine/estimation/estimation_progress.h"

namespace kestavel {

class ProgressWording final : public EstimationProgress {
public:
    explicit ProgressWording(ProgressSink& label) : label_(label) {}
    void SearchRunsDone(int32_t done, int32_t toDo) override;
    void TableStarted() override;
    void Finished() override;

private:
    ProgressSink& label_;
};

}  // namespace kestavel
