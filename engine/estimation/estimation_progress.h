#pragma once
// How far a simulated estimation has come, in runs: a front end words it as it likes.

#include <cstdint>

namespace kestavel {

class EstimationProgress {
public:
    virtual ~EstimationProgress() = default;
    // After each run of the search: `done` of its `toDo` candidate speeds have had their run.
    virtual void SearchRunsDone(int32_t done, int32_t toDo) = 0;
    // The search is over; the table's runs follow.
    virtual void TableStarted() = 0;
    // Every run is done.
    virtual void Finished() = 0;
};

// For a caller that does not show progress.
class NoProgress final : public EstimationProgress {
public:
    void SearchRunsDone(int32_t, int32_t) override {}
    void TableStarted() override {}
    void Finished() override {}
};

}  // namespace kestavel
