#pragma once
// A series of runs on one simulator through one trial path. The fast paths take the engine's
// position over when the first run starts and give it back when the session finishes, so the
// engine must not be drawn from by anything else in between.

#include <memory>

#include "engine/speed_simulator.h"
#include "engine/trials/trial_path.h"

namespace kestavel {

class TwisterSequence;

class TrialSession {
public:
    explicit TrialSession(SpeedSimulator& simulator, TrialPath path = ActiveTrialPath());
    ~TrialSession();  // finishes
    TrialSession(const TrialSession&) = delete;
    TrialSession& operator=(const TrialSession&) = delete;

    // What RunTrials does, with the same counts and the same outputs taken.
    void Run(double runEnemySpeed);

    // Writes the engine's position back; later runs take it over again.
    void Finish();

private:
    SpeedSimulator& simulator_;
    TrialPath path_;
    std::unique_ptr<TwisterSequence> sequence_;
    bool holdsEngine_ = false;
};

}  // namespace kestavel
