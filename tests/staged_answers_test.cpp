// The estimation's and the curve's runs done in stages, stretch by stretch from the seed, as the
// web page's workers do them: the same answer as asked in one go, whatever the stretches.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "analysis/staged_simulation.h"
#include "engine/trials/parallel/run_split.h"
#include "tests/engine/same_estimate_table.h"

namespace kestavel::analysis {
namespace {

// How a stage's runs are cut into stretches, each done on its own from the seed.
enum class Cut { kWhole, kEveryRun, kThree };

std::vector<RunStretch> CutStage(const PlacedStage& stage, Cut cut) {
    const size_t runs = stage.plan.runs.size();
    if (cut == Cut::kWhole) return {RunStretch{0, runs}};
    if (cut == Cut::kEveryRun) {
        std::vector<RunStretch> stretches;
        for (size_t run = 0; run < runs; ++run) stretches.push_back(RunStretch{run, run + 1});
        return stretches;
    }
    std::vector<uint64_t> within = stage.before;
    for (uint64_t& draws : within) draws -= stage.before.front();
    return SplitRuns(within, 3, 0);
}

// Every stage's runs, the stretches of each done in reverse order to show that none leans on
// another; the counts in plan order.
std::vector<RunCounts> CountsInStages(const StagedSimulation& simulation, Cut cut) {
    std::vector<RunCounts> counts;
    for (;;) {
        const std::optional<PlacedStage> stage = simulation.StageAfter(counts);
        EXPECT_TRUE(stage.has_value());
        if (!stage || stage->finished) return counts;
        std::vector<RunCounts> stageCounts(stage->plan.runs.size());
        const std::vector<RunStretch> stretches = CutStage(*stage, cut);
        for (auto s = stretches.rbegin(); s != stretches.rend(); ++s) {
            int32_t told = 0;
            const std::optional<std::vector<RunCounts>> done =
                simulation.RunStretch(counts, *s, [&](int32_t runs) { told = runs; });
            EXPECT_TRUE(done.has_value());
            if (!done) return counts;
            EXPECT_EQ(static_cast<size_t>(told), s->end - s->first);
            std::copy(done->begin(), done->end(), stageCounts.begin() + static_cast<std::ptrdiff_t>(s->first));
        }
        counts.insert(counts.end(), stageCounts.begin(), stageCounts.end());
    }
}

const Cut kCuts[] = {Cut::kWhole, Cut::kEveryRun, Cut::kThree};

TEST(StagedAnswers, EstimateEqualsTheOneGoAnswer) {
    const struct {
        const char* what;
        EstimateRequest request;
        bool simulated;
        bool rowsBelowOne;
    } cases[] = {
        {"one enemy", {.allies = {10, 7, 0, 0, 3}, .firstStrike = 60}, true, false},
        {"nine enemies", {.allies = {5, 4}, .shutOut = 30, .enemies = 9}, true, false},
        {"rows below speed 1", {.allies = {1}, .firstStrike = 70}, true, true},
        {"rows below speed 1, nine enemies", {.allies = {0, 1, 0, 0, 1}, .shutOut = 5, .enemies = 9}, true, true},
        {"no runs: exact", {.allies = {60, 50}, .firstStrike = 90, .exact = true}, false, false},
        {"no runs: refused", {.allies = {60, 50}, .shutOut = 40, .enemies = 10}, false, false},
    };
    for (const auto& c : cases) {
        for (uint32_t seed : {1u, 4294967295u}) {
            EstimateRequest request = c.request;
            request.seed = seed;
            const Outcome<EstimateAnswer> oneGo = AnswerEstimate(request);
            const StagedSimulation simulation(request);
            for (Cut cut : kCuts) {
                SCOPED_TRACE(::testing::Message() << c.what << ", seed " << seed << ", cut " << static_cast<int>(cut));
                const std::vector<RunCounts> counts = CountsInStages(simulation, cut);
                const std::optional<Outcome<EstimateAnswer>> staged = AnswerEstimateFromCounts(request, counts);
                ASSERT_TRUE(staged.has_value());
                ASSERT_EQ(staged->index(), oneGo.index());
                if (const auto* refusal = std::get_if<Refusal>(&oneGo)) {
                    EXPECT_EQ(std::get<Refusal>(*staged).given, refusal->given);
                    continue;
                }
                const Estimation& want = std::get<EstimateAnswer>(oneGo).estimation;
                const Estimation& got = std::get<EstimateAnswer>(*staged).estimation;
                if (c.simulated) {
                    const auto rowsRun = std::count_if(want.table.begin(), want.table.end(), [](const TableRow& row) { return row.run; });
                    EXPECT_EQ(counts.size(), static_cast<size_t>(want.range.Count() + rowsRun));
                    EXPECT_EQ(want.table[0].run, !c.rowsBelowOne);
                } else {
                    EXPECT_TRUE(counts.empty());
                }
                EXPECT_EQ(got.bestSpeed, want.bestSpeed);
                EXPECT_EQ(got.range.lowerSpeed, want.range.lowerSpeed);
                EXPECT_EQ(got.range.upperSpeed, want.range.upperSpeed);
                EXPECT_EQ(got.path, want.path);
                ExpectSameTable(got.table, want.table);
                // Counts that are not the stages' are turned away, not read past their end.
                if (!counts.empty()) {
                    EXPECT_FALSE(AnswerEstimateFromCounts(request, std::span(counts).first(counts.size() - 1)));
                    EXPECT_FALSE(simulation.StageAfter(std::span(counts).first(1)));
                    EXPECT_FALSE(simulation.RunStretch({}, RunStretch{0, counts.size()}, {}));
                }
            }
        }
    }
}

TEST(StagedAnswers, CurveEqualsTheOneGoAnswer) {
    const struct {
        const char* what;
        CurveRequest request;
    } cases[] = {
        {"two enemies alike", {.allies = {60, 50, 40, 30, 20}, .enemies = 2, .from = 40, .to = 52, .simulate = true}},
        {"a listed group", {.allies = {60, 50}, .enemies = 3, .listed = {80, 30, 30}, .vary = 2, .from = 20, .to = 27, .simulate = true}},
        {"nine enemies, every speed", {.allies = {9}, .enemies = 9, .simulate = true}},
        {"not simulated", {.allies = {60}, .enemies = 1, .from = 40, .to = 45}},
    };
    for (const auto& c : cases) {
        for (uint32_t seed : {1u, 4294967295u}) {
            CurveRequest request = c.request;
            request.seed = seed;
            const CurveAnswer want = std::get<CurveAnswer>(AnswerCurve(request));
            const StagedSimulation simulation(request);
            for (Cut cut : kCuts) {
                SCOPED_TRACE(::testing::Message() << c.what << ", seed " << seed << ", cut " << static_cast<int>(cut));
                const std::vector<RunCounts> counts = CountsInStages(simulation, cut);
                const std::optional<Outcome<CurveAnswer>> staged = AnswerCurveFromCounts(request, counts);
                ASSERT_TRUE(staged.has_value());
                const CurveAnswer& got = std::get<CurveAnswer>(*staged);
                EXPECT_EQ(got.path, want.path);
                ASSERT_EQ(got.points.size(), want.points.size());
                for (size_t i = 0; i < want.points.size(); ++i) {
                    EXPECT_EQ(got.points[i].speed, want.points[i].speed);
                    EXPECT_EQ(got.points[i].shutOutWins, want.points[i].shutOutWins) << "speed " << want.points[i].speed;
                    EXPECT_EQ(got.points[i].firstStrikeWins, want.points[i].firstStrikeWins) << "speed " << want.points[i].speed;
                    EXPECT_EQ(got.points[i].exact.shutOut, want.points[i].exact.shutOut);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kestavel::analysis
