#pragma once
// A series of runs drawing from one engine through one trial path. The fast paths take the
// engine's position over when the first run starts and give it back when the session finishes,
// so the engine must not be drawn from by anything else in between.

#include <cstdint>
#include <memory>
#include <random>

#include "engine/run_counts.h"
#include "engine/trial_limits.h"
#include "engine/trials/trial_path.h"

namespace kestavel {

class TwisterSequence;

// The path a session asked for `path` runs on: the plain loop where this build or CPU lacks
// `path`, or the standard library's engine state is not the form the fast paths read.
TrialPath SessionTrialPath(TrialPath path = ActiveTrialPath());

// About how long a session's run takes, in the outputs a run that judges every actor of every
// trial takes in that time: every output is generated, but only the allies that can matter and
// the enemies are judged, and none at all when the speeds decide every trial (ShapeOf,
// CertainOutcome). What spreads an estimation's runs evenly over threads: its runs at the low
// end judge four allies, near the top one, and its two ends none, so that at equal draws its
// first half takes about 13 % longer than its second (best ally 119, nine enemies), which split
// by draws left the second thread idle for the last 2 ms or so of a 30 ms search.
uint64_t RunCostInDraws(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount);

class TrialSession {
public:
    explicit TrialSession(std::mt19937& engine, TrialPath path = ActiveTrialPath());
    ~TrialSession();  // finishes
    TrialSession(const TrialSession&) = delete;
    TrialSession& operator=(const TrialSession&) = delete;

    // What SimulateRun does, with the same counts and the same outputs taken.
    RunCounts Run(const double (&allySpeed)[kAllyCount], double enemySpeed, int32_t enemyCount);

    // Writes the engine's position back; later runs take it over again.
    void Finish();

private:
    std::mt19937& engine_;
    TrialPath path_;
    std::unique_ptr<TwisterSequence> sequence_;
    bool holdsEngine_ = false;
};

}  // namespace kestavel
