#include "engine/trials/trial_session.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/initiative.h"
#include "engine/input_ranges.h"
#include "engine/trial_run.h"
#include "engine/trials/trial_kernel.h"
#include "engine/trials/twister_sequence.h"

namespace kestavel {

namespace {

static_assert(kTrialsPerRun % 16 == 0, "a run must fill the widest kernel's calls exactly");

bool AnySpeedIsNaN(const double (&allySpeed)[kAllyCount], double enemySpeed) {
    if (std::isnan(enemySpeed)) return true;
    for (double speed : allySpeed) {
        if (std::isnan(speed)) return true;
    }
    return false;
}

// An actor's initiative at the lowest and at the highest engine output, as the plain loop
// computes every one: no draw gives it less or more.
double WorstInitiative(double speed) { return (0.0 * kFactorScale + kFactorOffset) * speed; }
double BestInitiative(double speed) { return (static_cast<double>(UINT32_MAX) * kFactorScale + kFactorOffset) * speed; }

TrialShape ShapeOf(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount) {
    TrialShape shape{};
    shape.enemyCount = enemyCount;
    shape.stride = kAllyCount + enemyCount;
    shape.enemySpeed = enemySpeed;
    // An ally whose best draw comes below the fastest ally's worst never holds the party's best
    // initiative alone: the plain loop's doubles never fall as the output grows, so its every
    // initiative is below the fastest ally's in the same trial, and leaving it out of the
    // maximum changes nothing. Nor does leaving out one whose best comes below the enemies'
    // worst: its every initiative is below every enemy's (the best enemy's, clamped at 0, is at
    // least the first's), so whenever it holds the party's best the party loses both ways, with
    // it or without it, or with no ally left at all, whose best is 0.
    const double fastestWorst = WorstInitiative(BestAllySpeed(allySpeed));
    const double enemiesWorst = WorstInitiative(enemySpeed);
    for (int i = 0; i < kAllyCount; ++i) {
        const double best = BestInitiative(allySpeed[i]);
        if (allySpeed[i] > 0 && !(best < fastestWorst) && !(best < enemiesWorst)) {
            shape.allyOffset[shape.activeAllyCount] = i;
            shape.allySpeed[shape.activeAllyCount] = allySpeed[i];
            ++shape.activeAllyCount;
        }
    }
    return shape;
}

// Every trial won both ways (true) or lost both ways (false) whatever is drawn, or nullopt. The
// party wins when the enemies' best draw comes below the fastest ally's worst, itself above 0;
// it loses when ShapeOf leaves no ally to judge against enemies whose worst is above 0. The
// ends of an estimation's candidate range are such runs.
std::optional<bool> CertainOutcome(const double (&allySpeed)[kAllyCount], double enemySpeed, const TrialShape& shape) {
    const double fastestWorst = WorstInitiative(BestAllySpeed(allySpeed));
    if (fastestWorst > 0 && BestInitiative(enemySpeed) < fastestWorst) return true;
    if (shape.activeAllyCount == 0 && WorstInitiative(enemySpeed) > 0) return false;
    return std::nullopt;
}

}  // namespace

uint64_t RunCostInDraws(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount) {
    if (!kEnemyCountRange.Holds(enemyCount)) return 0;
    const TrialShape shape = ShapeOf(allySpeed, enemySpeed, enemyCount);
    const bool judged = AnySpeedIsNaN(allySpeed, enemySpeed) || !CertainOutcome(allySpeed, enemySpeed, shape);
    const uint64_t actorsJudged = judged ? static_cast<uint64_t>(shape.activeAllyCount + enemyCount) : 0;
    // Judging an actor's output takes about 1.5 times as long as generating it on the vector
    // paths (a run judging every actor against one judging none, `make bench` and the session's
    // own runs timed one by one: 0.56 against 0.23 ms, AVX-512); scaled so that a run judging
    // every actor costs its draws, the unit of kJumpCostInDraws.
    const uint64_t perTrial = 2 * static_cast<uint64_t>(shape.stride) + 3 * actorsJudged;
    return static_cast<uint64_t>(kTrialsPerRun) * perTrial / 5;
}

TrialPath SessionTrialPath(TrialPath path) {
    if (!TrialPathSupported(path) || !TwisterStateUnderstood()) return TrialPath::kPlain;
    return path;
}

TrialSession::TrialSession(std::mt19937& engine, TrialPath path) : engine_(engine), path_(SessionTrialPath(path)) {}

TrialSession::~TrialSession() { Finish(); }

void TrialSession::Finish() {
    if (!holdsEngine_) return;
    sequence_->Store(engine_);
    holdsEngine_ = false;
}

RunCounts TrialSession::Run(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount) {
    if (!kEnemyCountRange.Holds(enemyCount)) return RunCounts{0, 0, path_};
    if (path_ == TrialPath::kPlain || AnySpeedIsNaN(allySpeed, enemySpeed)) {
        Finish();
        return SimulateRunPlainly(allySpeed, enemySpeed, enemyCount, engine_);
    }

    if (!holdsEngine_) {
        if (!sequence_) sequence_ = std::make_unique<TwisterSequence>();
        if (!sequence_->Load(engine_)) {
            path_ = TrialPath::kPlain;
            return SimulateRunPlainly(allySpeed, enemySpeed, enemyCount, engine_);
        }
        holdsEngine_ = true;
    }

    const TrialKernel& kernel = *KernelFor(path_);
    const TrialShape shape = ShapeOf(allySpeed, enemySpeed, enemyCount);
    const std::optional<bool> certain = CertainOutcome(allySpeed, enemySpeed, shape);
    const size_t stride = static_cast<size_t>(shape.stride);
    WinCounts wins;
    int trialsLeft = kTrialsPerRun;
    while (trialsLeft > 0) {
        int trials = static_cast<int>(sequence_->Available() / stride);
        if (trials > trialsLeft) trials = trialsLeft;
        // Whole blocks while a block is left to do, then whole calls.
        const int unit = trialsLeft >= kernel.trialsPerBlock ? kernel.trialsPerBlock : kernel.trialsPerCall;
        trials -= trials % unit;
        if (trials == 0) {
            sequence_->Refill(kernel);
            continue;
        }
        const WinCounts part = certain ? WinCounts{*certain ? trials : 0, *certain ? trials : 0}
                                       : kernel.countWins(sequence_->Next(), trials, shape);
        wins.all += part.all;
        wins.first += part.first;
        sequence_->Take(static_cast<size_t>(trials) * stride);
        trialsLeft -= trials;
    }
    return RunCounts{wins.all, wins.first, path_};
}

}  // namespace kestavel
