#include "engine/trials/trial_session.h"

#include <cmath>
#include <cstdint>

#include "engine/trials/trial_kernel.h"
#include "engine/trial_run.h"
#include "engine/trials/twister_sequence.h"

namespace kestavel {

namespace {

static_assert(kTrialsPerRun % 16 == 0, "a run must fill the widest kernel's calls exactly");

bool AnySpeedIsNaN(const SpeedSimulator& s, double runEnemySpeed) {
    if (std::isnan(runEnemySpeed)) return true;
    for (double speed : s.allySpeed) {
        if (std::isnan(speed)) return true;
    }
    return false;
}

TrialShape ShapeOf(const SpeedSimulator& s, double runEnemySpeed) {
    TrialShape shape{};
    shape.enemyCount = s.enemyCount;
    shape.stride = kAllyCount + s.enemyCount;
    shape.enemySpeed = runEnemySpeed;
    // An ally whose best draw comes below the fastest ally's worst never holds the party's best
    // initiative alone: the plain loop's doubles never fall as the output grows, so its every
    // initiative is below the fastest ally's in the same trial, and leaving it out of the
    // maximum changes nothing.
    const double fastestWorst = (0.0 * kFactorScale + kFactorOffset) * BestAllySpeed(s);
    for (int i = 0; i < kAllyCount; ++i) {
        const double best = (static_cast<double>(UINT32_MAX) * kFactorScale + kFactorOffset) * s.allySpeed[i];
        if (s.allySpeed[i] > 0 && !(best < fastestWorst)) {
            shape.allyOffset[shape.activeAllyCount] = i;
            shape.allySpeed[shape.activeAllyCount] = s.allySpeed[i];
            ++shape.activeAllyCount;
        }
    }
    return shape;
}

}  // namespace

TrialSession::TrialSession(SpeedSimulator& simulator, TrialPath path) : simulator_(simulator), path_(path) {
    if (!TrialPathSupported(path_) || !TwisterStateUnderstood()) path_ = TrialPath::kPlain;
}

TrialSession::~TrialSession() { Finish(); }

void TrialSession::Finish() {
    if (!holdsEngine_) return;
    sequence_->Store(*simulator_.engine);
    holdsEngine_ = false;
}

void TrialSession::Run(double runEnemySpeed) {
    SpeedSimulator& s = simulator_;
    s.winsAll = 0;
    s.winsFirst = 0;
    if (s.enemyCount < 1 || s.enemyCount > kMaxEnemyCount) return;
    if (path_ == TrialPath::kPlain || AnySpeedIsNaN(s, runEnemySpeed)) {
        Finish();
        RunTrialsPlain(s, runEnemySpeed);
        return;
    }

    if (!holdsEngine_) {
        if (!sequence_) sequence_ = std::make_unique<TwisterSequence>();
        if (!sequence_->Load(*s.engine)) {
            path_ = TrialPath::kPlain;
            RunTrialsPlain(s, runEnemySpeed);
            return;
        }
        holdsEngine_ = true;
    }

    const TrialKernel& kernel = *KernelFor(path_);
    const TrialShape shape = ShapeOf(s, runEnemySpeed);
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
        const WinCounts part = kernel.countWins(sequence_->Next(), trials, shape);
        wins.all += part.all;
        wins.first += part.first;
        sequence_->Take(static_cast<size_t>(trials) * stride);
        trialsLeft -= trials;
    }
    s.winsAll = static_cast<double>(wins.all);
    s.winsFirst = static_cast<double>(wins.first);
    NoteTrialPathRun(path_);
}

}  // namespace kestavel
