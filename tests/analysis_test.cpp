// The question layer: each question refuses what the window refuses, in the window's order, and
// answers with the very numbers of the window's own calculation for the same seed, on any number
// of threads.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <random>
#include <vector>
#include <variant>

#include "analysis/curve_question.h"
#include "analysis/estimate_question.h"
#include "analysis/need_question.h"
#include "analysis/percent_text.h"
#include "analysis/rate_question.h"
#include "engine/mixed_trial_run.h"
#include "engine/trial_run.h"
#include "engine/trials/parallel/parallel_runs.h"
#include "engine/trials/trial_path.h"
#include "tests/fakes.h"
#include "record/enemy_speed_estimation.h"
#include "tests/engine/reference_model.h"

namespace kestavel::analysis {
namespace {

template <typename Answer>
std::optional<Refusal> RefusalOf(const Outcome<Answer>& outcome) {
    if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) return *refusal;
    return std::nullopt;
}

void ExpectRefusal(const std::optional<Refusal>& got, RefusedInput input, int64_t lowest, std::optional<int64_t> highest,
                   int64_t given, int line) {
    ASSERT_TRUE(got.has_value()) << "case on line " << line;
    EXPECT_EQ(got->input, input) << "case on line " << line;
    EXPECT_EQ(got->lowest, lowest) << "case on line " << line;
    EXPECT_EQ(got->highest, highest) << "case on line " << line;
    EXPECT_EQ(got->given, given) << "case on line " << line;
}

EnemyGroup Alike(int32_t speed, int32_t count) { return EnemyGroup{.speed = speed, .count = count}; }
EnemyGroup Listed(std::vector<int32_t> speeds) {
    const auto count = static_cast<int32_t>(speeds.size());
    return EnemyGroup{.listed = std::move(speeds), .count = count};
}

TEST(Questions, RefuseAsTheWindowDoesInItsOrder) {
    const std::optional<int64_t> open;
    struct Case {
        std::optional<Refusal> got;
        RefusedInput input;
        int64_t lowest;
        std::optional<int64_t> highest;
        int64_t given;
        int line;
    } cases[] = {
        // The rate: the speed before the count; the first listed speed below 1.
        {RefusalOf(AnswerRate({.allies = {60}, .enemies = Alike(0, 10)})), RefusedInput::kEnemySpeed, 1, open, 0, __LINE__},
        {RefusalOf(AnswerRate({.allies = {60}, .enemies = Alike(50, 10)})), RefusedInput::kEnemyCount, 1, 9, 10, __LINE__},
        {RefusalOf(AnswerRate({.allies = {60}, .enemies = Listed({80, -5, 0})})), RefusedInput::kEnemySpeed, 1, open, -5, __LINE__},
        {RefusalOf(AnswerRate({.allies = {60}, .enemies = Listed(std::vector<int32_t>(10, 30))})), RefusedInput::kEnemyCount, 1, 9, 10, __LINE__},
        // The estimation: a first-strike percent before the party; a count before its percent.
        {RefusalOf(AnswerEstimate({.allies = {0}, .firstStrike = 100})), RefusedInput::kObservedPercent, 1, 99, 100, __LINE__},
        {RefusalOf(AnswerEstimate({.allies = {0}, .firstStrike = 50})), RefusedInput::kBestAllySpeed, 1, 199, 0, __LINE__},
        {RefusalOf(AnswerEstimate({.allies = {200, -3}, .firstStrike = 50})), RefusedInput::kBestAllySpeed, 1, 199, 200, __LINE__},
        {RefusalOf(AnswerEstimate({.allies = {60}, .shutOut = 0, .enemies = 10})), RefusedInput::kEnemyCount, 1, 9, 10, __LINE__},
        {RefusalOf(AnswerEstimate({.allies = {60}, .shutOut = 0, .enemies = 3})), RefusedInput::kObservedPercent, 1, 99, 0, __LINE__},
        {RefusalOf(AnswerEstimate({.allies = {60}, .enemies = 0, .observed = BinomialCount{3, 10}})), RefusedInput::kEnemyCount,
         1, 9, 0, __LINE__},
        // A count: N within 1 to 1000000, then K within 0 to N, before the party.
        {RefusalOf(AnswerEstimate({.allies = {0}, .enemies = 3, .observed = BinomialCount{0, 0}})), RefusedInput::kObservedEncounters,
         1, 1000000, 0, __LINE__},
        {RefusalOf(AnswerEstimate({.allies = {60}, .enemies = 3, .observed = BinomialCount{3, 5000000000}})),
         RefusedInput::kObservedEncounters, 1, 1000000, 5000000000, __LINE__},
        {RefusalOf(AnswerEstimate({.allies = {60}, .shutOut = 40, .enemies = 3, .observed = BinomialCount{5, 3}})),
         RefusedInput::kObservedSuccesses, 0, 3, 5, __LINE__},
        {RefusalOf(AnswerCurve({.allies = {60}, .enemies = 3, .observed = BinomialCount{-1, 20}})), RefusedInput::kObservedSuccesses,
         0, 20, -1, __LINE__},
        // The curve: a listed group's checks, then the estimation's.
        {RefusalOf(AnswerCurve({.allies = {60}, .enemies = 2, .listed = {80, 0}, .vary = 1})), RefusedInput::kEnemySpeed, 1, open, 0, __LINE__},
        {RefusalOf(AnswerCurve({.allies = {250}, .enemies = 10})), RefusedInput::kEnemyCount, 1, 9, 10, __LINE__},
        {RefusalOf(AnswerCurve({.allies = {250}, .enemies = 2})), RefusedInput::kBestAllySpeed, 1, 199, 250, __LINE__},
        // The speed needed: the group's checks.
        {RefusalOf(AnswerNeed({.allies = {60}, .enemies = Alike(10, 0), .firstStrike = 50})), RefusedInput::kEnemyCount, 1, 9, 0, __LINE__},
    };
    for (const Case& c : cases) ExpectRefusal(c.got, c.input, c.lowest, c.highest, c.given, c.line);
}

// What the window shows for a seed, the question answers for the same seed.
TEST(Questions, AnswerWithTheWindowsNumbersSeedForSeed) {
    const Party party = {60, 50, 40, 30, 20};
    double allies[kAllyCount];
    FillAllySpeeds(party, allies);

    const auto rate = std::get<RateAnswer>(AnswerRate({.allies = party, .enemies = Alike(50, 2), .simulate = true, .exact = true, .seed = 7}));
    std::mt19937 engine(7);
    const reference::Counts counts = reference::Run(engine, allies, 50, 2);
    EXPECT_EQ(rate.simulated->shutOutWins, counts.winsAll);
    EXPECT_EQ(rate.simulated->firstStrikeWins, counts.winsFirst);
    EXPECT_EQ(rate.exact->shutOut, ExactRatesFor(allies, 50, 2).shutOut);

    for (const auto& [kind, percent, enemies] : {std::tuple{kMatchFirstStrike, 95, 1}, std::tuple{kMatchShutOut, 40, 3}}) {
        SpeedSimulator window(11u);
        std::copy(std::begin(allies), std::end(allies), window.allySpeed);
        window.enemyCount = enemies;
        window.targetFirstRate = window.targetAllRate = percent;
        testing::RecordingProgress progress;
        ASSERT_EQ(EstimateEnemySpeed(window, kind, progress), kEstimateOk);

        // On one thread as the window runs it, and spread over two.
        for (int32_t threads : {1, 2}) {
            EstimateRequest request{.allies = party};
            (kind == kMatchFirstStrike ? request.firstStrike : request.shutOut) = percent;
            request.enemies = enemies;
            request.seed = 11;
            request.threads = threads;
            const auto answer = std::get<EstimateAnswer>(AnswerEstimate(request));
            EXPECT_EQ(answer.estimation.bestSpeed, window.bestSpeed) << threads << " threads";
            for (int i = 0; i < kTableRows; ++i) {
                EXPECT_EQ(answer.estimation.table[i].speed, window.rowSpeed[i]) << threads << " threads";
                EXPECT_EQ(answer.estimation.table[i].shutOutRate, window.rowAllRate[i]) << threads << " threads";
                EXPECT_EQ(answer.estimation.table[i].firstStrikeRate, window.rowFirstRate[i]) << threads << " threads";
            }
        }
    }
}

// Exact rates and counts search every speed at which the rate can change, past the window's
// 199; the simulated estimation keeps the window's candidates and says when its best is the cap.
// An answer with no upper bound, or one that rules out nothing, says so.
TEST(Questions, EstimatesPastTheWindowsCapAnswerHonestly) {
    constexpr std::optional<int32_t> open = std::nullopt;
    const struct Case {
        EstimateRequest request;
        int32_t highestTried, best;
        std::optional<ConsistentRange> consistent;  // with a count
        int32_t likeliest;
        bool andEveryFaster;
        std::optional<int32_t> capNoted;
        int line;
    } cases[] = {
        // The two counts: the likeliest speed lies past 199, and no success is "186 or more".
        {{.allies = {150}, .observed = BinomialCount{1, 50}, .exact = true}, 251, 225, ConsistentRange{198, 245}, 225, false, {}, __LINE__},
        {{.allies = {150}, .observed = BinomialCount{0, 20}, .exact = true}, 251, 250, ConsistentRange{186, open}, 250, true, {}, __LINE__},
        // Every success: every slower speed fits too; the likeliest is the fastest certain win.
        {{.allies = {150}, .observed = BinomialCount{20, 20}, .exact = true}, 251, 90, ConsistentRange{1, 121}, 90, false, {}, __LINE__},
        // Best ally 1 (speeds 1 at 50 %, 2 at 0 %): three failures rule out no speed.
        {{.allies = {1}, .observed = BinomialCount{0, 3}, .exact = true}, 2, 2, ConsistentRange{1, open}, 2, true, {}, __LINE__},
        {{.allies = {100}, .observed = BinomialCount{505000, 1000000}, .exact = true}, 167, 100, std::nullopt, 100, false, {}, __LINE__},
        // A rate: exactly over the full range, simulated over the window's, with the cap noted.
        {{.allies = {150}, .firstStrike = 5, .exact = true}, 251, 212, {}, 0, false, {}, __LINE__},
        {{.allies = {150}, .firstStrike = 5, .seed = 1}, 199, 199, {}, 0, false, 251, __LINE__},
        // A best speed at the top of a window's range that needs no cap (best ally 3: 5 and 6 are
        // never beaten) is no cut.
        {{.allies = {3}, .firstStrike = 1, .seed = 1}, 6, 6, {}, 0, false, {}, __LINE__},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case on line " << c.line);
        const auto answer = std::get<EstimateAnswer>(AnswerEstimate(c.request));
        EXPECT_EQ(answer.estimation.range.upperSpeed, c.highestTried);
        EXPECT_EQ(answer.estimation.bestSpeed, c.best);
        EXPECT_EQ(answer.fasterNotTried.has_value(), c.capNoted.has_value());
        if (answer.fasterNotTried && c.capNoted) {
            EXPECT_EQ(answer.fasterNotTried->cap, kHighestCandidateSpeed);
            EXPECT_EQ(answer.fasterNotTried->highestChanging, *c.capNoted);
        }
        ASSERT_EQ(answer.countFit.has_value(), c.request.observed.has_value());
        if (!answer.countFit) continue;
        const CountFit& fit = *answer.countFit;
        ASSERT_EQ(fit.consistentRange.has_value(), c.consistent.has_value());
        if (c.consistent) {
            EXPECT_EQ(fit.consistentRange->lowest, c.consistent->lowest);
            EXPECT_EQ(fit.consistentRange->highest, c.consistent->highest);
        }
        EXPECT_EQ(fit.likeliest.speed, c.likeliest);
        EXPECT_EQ(fit.andEveryFaster, c.andEveryFaster);
    }
}


// A percent's number is the double nearest its text, as std::from_chars reads it (which the
// builds whose library lacks it cannot ask): every simulated count, and probabilities of every
// size, ends and ties included.
TEST(PercentText, NumbersAreTheTextsAsFromCharsReadsThem) {
    const auto read = [](const std::string& text) {
        double value = -1;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    };
    for (int64_t wins = 0; wins <= 100000; ++wins) {
        ASSERT_EQ(SimulatedPercentNumber(wins), read(SimulatedPercentText(wins))) << wins;
    }
    std::vector<double> probabilities = {0, 1, 0.5, 0.25, 1e-12, 1e-300, 0.123456789012345, 0.99999999999995};
    std::mt19937_64 bits(7);
    std::uniform_real_distribution<double> uniform(0, 1);
    for (int i = 0; i < 100000; ++i) probabilities.push_back(uniform(bits));
    for (int i = 0; i < 1000; ++i) probabilities.push_back(std::ldexp(uniform(bits), -static_cast<int>(bits() % 60)));
    for (double p : probabilities) ASSERT_EQ(ExactPercentNumber(p), read(ExactPercentText(p))) << ExactPercentText(p);
}

// A curve's runs spread over threads give every speed the counts of its runs one after another
// from the seed's engine, on every trial path this CPU runs.
TEST(Questions, CurvesOverThreadsEqualTheRunsInTurn) {
    // Enough speeds that each of three threads gets a stretch worth its jump.
    const auto speedsFor = [](int32_t enemies) {
        return static_cast<int32_t>(4 * kJumpCostInDraws / (uint64_t{kTrialsPerRun} * (kAllyCount + enemies))) + 1;
    };
    const CurveRequest requests[] = {
        {.allies = {40, 30}, .enemies = 1, .from = 20, .to = 19 + speedsFor(1), .simulate = true, .seed = 5},
        {.allies = {40, 30}, .enemies = 9, .from = 20, .to = 19 + speedsFor(9), .simulate = true, .seed = 6},
        {.allies = {40, 30}, .enemies = 2, .listed = {25, 35}, .vary = 2, .from = 20, .to = 19 + speedsFor(2), .simulate = true,
         .seed = 4294967295u},
    };
    const TrialPath active = ActiveTrialPath();
    for (TrialPath path : AllTrialPaths()) {
        if (!ChooseTrialPath(path)) continue;
        for (const CurveRequest& request : requests) {
            // The mixed loop of a listed group is the same on every path.
            if (!request.listed.empty() && path != active) continue;
            double allies[kAllyCount];
            FillAllySpeeds(request.allies, allies);
            std::mt19937 engine(request.seed);
            std::vector<RunCounts> inTurn;
            for (int32_t speed = *request.from; speed <= *request.to; ++speed) {
                std::vector<double> group(request.listed.begin(), request.listed.end());
                if (!group.empty()) group[static_cast<size_t>(request.vary - 1)] = speed;
                inTurn.push_back(group.empty() ? SimulateRun(allies, speed, request.enemies, engine)
                                               : SimulateMixedRun(allies, group, engine));
            }
            for (int32_t threads : {1, 2, 3}) {
                SCOPED_TRACE(::testing::Message() << TrialPathName(path) << ", " << request.enemies << " enemies"
                                                  << (request.listed.empty() ? "" : " listed") << ", " << threads << " threads");
                CurveRequest spread = request;
                spread.threads = threads;
                const auto answer = std::get<CurveAnswer>(AnswerCurve(spread));
                ASSERT_EQ(answer.points.size(), inTurn.size());
                for (size_t i = 0; i < inTurn.size(); ++i) {
                    EXPECT_EQ(answer.points[i].speed, *request.from + static_cast<int32_t>(i));
                    EXPECT_EQ(answer.points[i].shutOutWins, inTurn[i].shutOutWins) << answer.points[i].speed;
                    EXPECT_EQ(answer.points[i].firstStrikeWins, inTurn[i].firstStrikeWins) << answer.points[i].speed;
                }
                EXPECT_EQ(answer.path, inTurn.back().path);
            }
        }
    }
    ChooseTrialPath(active);
}

}  // namespace
}  // namespace kestavel::analysis
