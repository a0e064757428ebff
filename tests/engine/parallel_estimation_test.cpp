// The estimation with its runs spread over threads against the same estimation on one: on every
// trial path this CPU runs, the same best speed, rows and engine afterwards, whatever the split.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <thread>
#include <vector>

#include "engine/estimation/simulated_estimation.h"
#include "engine/trials/trial_path.h"
#include "tests/engine/same_estimate_table.h"

namespace kestavel {
namespace {

// The progress as the calling thread hears it.
class ProgressLog final : public EstimationProgress {
public:
    std::vector<int32_t> done;
    int32_t toDo = 0;
    int tableStarts = 0;
    int finishes = 0;
    bool offThread = false;

    void SearchRunsDone(int32_t runsDone, int32_t runsToDo) override {
        Note();
        done.push_back(runsDone);
        toDo = runsToDo;
    }
    void TableStarted() override {
        Note();
        ++tableStarts;
    }
    void Finished() override {
        Note();
        ++finishes;
    }

private:
    void Note() { offThread |= std::this_thread::get_id() != caller_; }
    std::thread::id caller_ = std::this_thread::get_id();
};

struct Shape {
    const char* what;
    double allies[5];
    int32_t enemies;
    CountedEvent matched;
    double percent;
    bool rowsBelowOne;  // the best speed is 1 or 2 whatever the draws
};

TEST(ParallelEstimation, EqualsTheSequentialOnEveryPath) {
    const Shape shapes[] = {
        {"one enemy", {10, 7, 0, 0, 3}, 1, CountedEvent::kFirstStrike, 60, false},
        {"nine enemies", {5, 4, 0, 0, 0}, 9, CountedEvent::kShutOut, 30, false},
        {"rows below speed 1, one enemy", {1, 0, 0, 0, 0}, 1, CountedEvent::kFirstStrike, 70, true},
        {"rows below speed 1, nine enemies", {0, 1, 0, 0, 1}, 9, CountedEvent::kShutOut, 5, true},
    };
    const TrialPath active = ActiveTrialPath();
    for (TrialPath path : AllTrialPaths()) {
        if (!ChooseTrialPath(path)) continue;
        for (const Shape& shape : shapes) {
            EstimationInputs inputs{};
            std::copy(std::begin(shape.allies), std::end(shape.allies), inputs.allySpeed);
            inputs.enemyCount = shape.enemies;
            inputs.matched = shape.matched;
            inputs.observedPercent = shape.percent;
            for (uint32_t seed : {1u, 4294967295u}) {
                std::mt19937 sequentialEngine(seed);
                NoProgress quiet;
                const Estimation sequential = EstimateBySimulation(inputs, sequentialEngine, quiet);
                EXPECT_EQ(sequential.table[0].run, !shape.rowsBelowOne) << shape.what;
                // Threads beyond the runs, and a split of even the table's few runs.
                for (int32_t threads : {2, 3}) {
                    SCOPED_TRACE(::testing::Message() << TrialPathName(path) << ", " << shape.what << ", seed " << seed
                                                      << ", " << threads << " threads");
                    std::mt19937 engine(seed);
                    ProgressLog progress;
                    const Estimation parallel = EstimateBySimulation(inputs, engine, Parallelism{threads, 0}, progress);
                    EXPECT_EQ(parallel.bestSpeed, sequential.bestSpeed);
                    ExpectSameTable(parallel.table, sequential.table);
                    EXPECT_EQ(parallel.path, path);
                    EXPECT_EQ(engine, sequentialEngine);
                    // Runs done, rising to every candidate's, all told on the calling thread.
                    EXPECT_TRUE(std::is_sorted(progress.done.begin(), progress.done.end()));
                    ASSERT_FALSE(progress.done.empty());
                    EXPECT_EQ(progress.done.back(), sequential.range.Count());
                    EXPECT_EQ(progress.toDo, sequential.range.Count());
                    EXPECT_EQ(progress.tableStarts, 1);
                    EXPECT_EQ(progress.finishes, 1);
                    EXPECT_FALSE(progress.offThread);
                }
            }
        }
    }
    ChooseTrialPath(active);
}

}  // namespace
}  // namespace kestavel
