// Every trial path this CPU can run, forced one by one, against the plain reference loop: the
// counts of runs and of whole estimations, and the engine's position after them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "record/enemy_speed_estimation.h"
#include "record/speed_simulator.h"
#include "engine/trials/trial_path.h"
#include "record/rate_calculation.h"
#include "engine/estimation/simulated_estimation.h"
#include "engine/trials/trial_session.h"
#include "tests/fakes.h"
#include "tests/engine/reference_model.h"

namespace kestavel {
namespace {

const TrialPath kEveryPath[] = {TrialPath::kPlain, TrialPath::kPortable, TrialPath::kSse41, TrialPath::kAvx2,
                                TrialPath::kAvx512};

class OnTrialPath : public ::testing::TestWithParam<TrialPath> {
protected:
    void SetUp() override {
        previous_ = ActiveTrialPath();
        if (!ChooseTrialPath(GetParam())) GTEST_SKIP() << TrialPathName(GetParam()) << " cannot run on this CPU";
    }
    void TearDown() override { ChooseTrialPath(previous_); }

private:
    TrialPath previous_ = TrialPath::kPlain;
};

std::string PathName(const ::testing::TestParamInfo<TrialPath>& info) { return TrialPathName(info.param); }

std::unique_ptr<SpeedSimulator> Seeded(uint32_t seed, const double (&allies)[5], int enemyCount) {
    auto s = std::make_unique<SpeedSimulator>(seed);
    std::copy(std::begin(allies), std::end(allies), s->allySpeed);
    s->enemyCount = enemyCount;
    return s;
}

struct RunCase {
    double allies[5];
    double enemySpeed;
};

constexpr double kHuge = 2147483647.0;

const RunCase kRunCases[] = {
    {{60, 50, 40, 30, 20}, 50},
    {{60, 50, 40, 30, 20}, 80},     // 40 and slower never reach the enemies' worst
    {{10, 9, 8, 0, 0}, 17},         // nor does anyone
    {{60, 50, 40, 30, 20}, 35.99},  // no enemy reaches the fastest ally's worst
    {{60, 50, 40, 30, 20}, 36.5},   // a few do
    {{0, 0, 0, 0, 0}, 1},  // nobody can win
    {{1, 0, 0, 0, 0}, 1},
    {{2, 1, 0, 0, 0}, 2},
    {{199, 0, 0, 0, 0}, 199},
    {{200, 199, 0, 0, 0}, 200},
    {{0, 0, 199, 0, 0}, 0},  // enemies at 0 never act before a positive ally
    {{-5, 0, 0, 0, 1}, -3},  // negative enemies: the best enemy stays at 0
    {{-7, -1, 0, -2, 0}, -4},
    {{kHuge, 0, 0, 0, 5}, kHuge},
    {{-2147483648.0, 3, 2, 1, 0}, 2},
    {{100, 100, 100, 100, 100}, 120},
    {{5, 4, 3, 2, 1}, 1e300},
};

// Each case at every enemy count, from engine positions all over a block; at some counts a
// second run follows on the same simulator, starting wherever the first left the engine.
TEST_P(OnTrialPath, RunsEqualTheReferenceLoop) {
    uint32_t seed = 100;
    for (const RunCase& c : kRunCases) {
        for (int enemies = 1; enemies <= 9; ++enemies, ++seed) {
            auto s = Seeded(seed, c.allies, enemies);
            s->engine->discard(seed * 37 % 1300);
            std::mt19937 engine = *s->engine;
            for (int repeat = 0; repeat < (enemies % 4 == 1 ? 2 : 1); ++repeat) {
                const TrialPath ran = RunTrials(*s, c.enemySpeed);
                const reference::Counts expected = reference::Run(engine, c.allies, c.enemySpeed, enemies);
                ASSERT_EQ(s->winsAll, expected.winsAll) << "seed " << seed << " enemies " << enemies;
                ASSERT_EQ(s->winsFirst, expected.winsFirst) << "seed " << seed << " enemies " << enemies;
                ASSERT_EQ(*s->engine, engine) << "seed " << seed << " enemies " << enemies;
                ASSERT_EQ(ran, GetParam()) << "the run fell back to another path";
            }
        }
    }
}

// A session holds the engine between runs; a run it cannot do fast (a NaN speed) hands the
// engine back, runs plainly, and the next run takes it over again.
TEST_P(OnTrialPath, SessionsMixFastAndPlainRuns) {
    const double allies[5] = {70, 0, 65, 0, 30};
    auto s = Seeded(4242, allies, 4);
    std::mt19937 engine(4242);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    {
        TrialSession session(*s->engine);
        for (double speed : {60.0, nan, 75.0, 1.0, nan}) {
            const RunCounts counts = session.Run(allies, speed, 4);
            EXPECT_EQ(counts.path, std::isnan(speed) ? TrialPath::kPlain : GetParam()) << speed;
            const reference::Counts expected = reference::Run(engine, allies, speed, 4);
            ASSERT_EQ(counts.shutOutWins, expected.winsAll) << speed;
            ASSERT_EQ(counts.firstStrikeWins, expected.winsFirst) << speed;
        }
        EXPECT_EQ(session.Run(allies, 60, 0).shutOutWins, 0);  // refused: nothing drawn
    }
    EXPECT_EQ(*s->engine, engine);

    s->allySpeed[1] = nan;
    s->enemyCount = 2;
    RunTrials(*s, 66);
    const double alliesWithNaN[5] = {70, nan, 65, 0, 30};
    const reference::Counts expected = reference::Run(engine, alliesWithNaN, 66, 2);
    EXPECT_EQ(s->winsAll, expected.winsAll);
    EXPECT_EQ(*s->engine, engine);
}

struct EstimateCase {
    double allies[5];
    int enemyCount;
    int kind;
    double target;
};

void ExpectEstimateEqualsReference(const EstimateCase& c, uint32_t seed, TrialPath path) {
    EstimationInputs inputs{};
    std::copy(std::begin(c.allies), std::end(c.allies), inputs.allySpeed);
    inputs.enemyCount = c.enemyCount;
    inputs.matched = c.kind == 1 ? CountedEvent::kFirstStrike : CountedEvent::kShutOut;
    inputs.observedPercent = c.target;
    std::mt19937 engine(seed);
    std::mt19937 referenceEngine(seed);
    NoProgress quiet;
    const Estimation estimation = EstimateBySimulation(inputs, engine, quiet);
    const reference::Estimate expected =
        reference::EstimateSpeed(referenceEngine, c.allies, c.enemyCount, c.kind, c.target);
    EXPECT_EQ(estimation.bestSpeed, expected.bestSpeed) << "seed " << seed;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(estimation.table[i].speed, expected.rowSpeed[i]) << "row " << i;
        EXPECT_EQ(estimation.table[i].shutOutRate, expected.rows[i].winsAll / 1000.0) << "row " << i;
        EXPECT_EQ(estimation.table[i].firstStrikeRate, expected.rows[i].winsFirst / 1000.0) << "row " << i;
    }
    EXPECT_EQ(engine, referenceEngine) << "seed " << seed;
    EXPECT_EQ(estimation.path, path) << "the estimation fell back to another path";
}

TEST_P(OnTrialPath, EstimationsEqualTheReference) {
    const EstimateCase cases[] = {
        {{1, 0, 0, 0, -3}, 9, 1, 50},  // range 1 to 2, rows below 1 take no draws
        {{3, 2, 0, 0, 0}, 1, 2, 40},
        {{20, 18, 12, 0, 5}, 9, 2, 30},
        {{14, 12, 0, 0, 5}, 4, 1, 75},
        {{15, 0, 0, 0, 0}, 2, 1, 95},
        {{199, 0, 0, 0, 0}, 3, 2, 99},  // rows above 199
    };
    uint32_t seed = 900;
    for (const EstimateCase& c : cases) ExpectEstimateEqualsReference(c, seed++, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryPath, OnTrialPath, ::testing::ValuesIn(kEveryPath), PathName);

// The heaviest estimation, on the path the program uses.
TEST(FastestTrialPath, HeaviestEstimationEqualsTheReference) {
    EXPECT_TRUE(TrialPathSupported(FastestTrialPath()));
    EXPECT_EQ(ActiveTrialPath(), FastestTrialPath());
    ExpectEstimateEqualsReference({{119, 100, 90, 80, 70}, 9, 2, 50}, 31337, FastestTrialPath());
}

TEST(TrialPathChoice, RefusesAPathThisCpuCannotRun) {
    const TrialPath active = ActiveTrialPath();
    for (TrialPath path : kEveryPath) {
        EXPECT_EQ(ChooseTrialPath(path), TrialPathSupported(path)) << TrialPathName(path);
        EXPECT_EQ(ActiveTrialPath(), TrialPathSupported(path) ? path : TrialPath::kPlain) << TrialPathName(path);
        ChooseTrialPath(TrialPath::kPlain);
    }
    EXPECT_TRUE(TrialPathSupported(TrialPath::kPlain));
    EXPECT_TRUE(TrialPathSupported(TrialPath::kPortable));
    ChooseTrialPath(active);
}

// The names that KESTAVEL_TRIAL_PATH and the benchmarks use lead back to their paths, every
// path is listed once, and the fastest supported one comes first.
TEST(TrialPathChoice, NamesAndListAgree) {
    std::vector<TrialPath> listed(AllTrialPaths().begin(), AllTrialPaths().end());
    std::vector<TrialPath> every(std::begin(kEveryPath), std::end(kEveryPath));
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, every);
    for (TrialPath path : kEveryPath) EXPECT_EQ(TrialPathNamed(TrialPathName(path)), path) << TrialPathName(path);
    EXPECT_EQ(TrialPathNamed("AVX2"), std::nullopt);
    EXPECT_EQ(TrialPathNamed(""), std::nullopt);
    for (TrialPath path : AllTrialPaths()) {
        if (TrialPathSupported(path)) {
            EXPECT_EQ(path, FastestTrialPath());
            break;
        }
    }
}

}  // namespace
}  // namespace kestavel
