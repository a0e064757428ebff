#include "engine/enemy_speed_estimation.h"

#include <algorithm>
#include <cmath>

#include "commands/messages.h"
#include "engine/text/debug_trace.h"
#include "engine/text/text_format.h"
#include "engine/trial_run.h"
#include "engine/trials/trial_session.h"

namespace kestavel {

CandidateRange CandidateRangeFor(double bestAlly) {
    // Beyond these bounds the range is capped anyway; inside them the conversions below are
    // defined (a double far beyond int32's range, or NaN, converts to no value at all).
    if (!(bestAlly > 0)) bestAlly = 0;
    if (bestAlly > 1000) bestAlly = 1000;
    CandidateRange range{};
    range.lowerSpeed = static_cast<int32_t>(bestAlly * 0.6);
    if (range.lowerSpeed < 1) range.lowerSpeed = 1;
    range.upperSpeed = 1 - static_cast<int32_t>(bestAlly / -0.6);
    if (range.upperSpeed > kHighestCandidateSpeed) range.upperSpeed = kHighestCandidateSpeed;
    return range;
}

int32_t EstimateEnemySpeed(SpeedSimulator& s, int32_t kind, ProgressSink& progressLabel) {
    if (kind != kMatchFirstStrike && kind != kMatchShutOut) return kEstimateKindInvalid;
    if (s.enemyCount < 1 || s.enemyCount > kMaxEnemyCount) return kEstimateEnemyCountInvalid;
    const double bestAlly = BestAllySpeed(s);
    if (bestAlly < 1 || bestAlly > kHighestCandidateSpeed) return kEstimateAllySpeedInvalid;

    const CandidateRange range = CandidateRangeFor(bestAlly);
    DebugPrint("%d\t%d\n", range.upperSpeed, range.lowerSpeed);

    const double target = kind == kMatchFirstStrike ? s.targetFirstRate : s.targetAllRate;
    const double* count = kind == kMatchFirstStrike ? &s.winsFirst : &s.winsAll;
    double bestDistance = 999999;
    s.bestSpeed = range.lowerSpeed;
    std::fill(std::begin(s.rowSpeed), std::end(s.rowSpeed), 0);
    std::fill(std::begin(s.rowAllRate), std::end(s.rowAllRate), 0.0);
    std::fill(std::begin(s.rowFirstRate), std::end(s.rowFirstRate), 0.0);

    // Every run of the estimation goes through one session: the engine's position is handed
    // over once and given back when the session ends, before this returns.
    TrialSession session(s);
    for (int32_t speed = range.lowerSpeed; speed <= range.upperSpeed; ++speed) {
        s.candidateSpeed = speed;
        session.Run(s.candidateSpeed);
        const double progress = ((speed - range.lowerSpeed + 1) * 100.0) / (range.upperSpeed - range.lowerSpeed + 1);
        progressLabel.ReplaceText(FormatText(kTextBufferSize, messages::kEstimateProgress, {progress}));
        const double distance = std::fabs(target * 1000 - *count);
        if (bestDistance >= distance) {
            bestDistance = distance;
            s.bestSpeed = s.candidateSpeed;
        }
    }
    progressLabel.ReplaceText(messages::kEstimatePreparingTable);

    for (int i = 0; i < kTableRows; ++i) {
        const int32_t rowSpeed = static_cast<int32_t>(s.bestSpeed) - 2 + i;
        s.rowSpeed[i] = rowSpeed;
        s.winsAll = 0;
        s.winsFirst = 0;
        if (rowSpeed < 1) {
            s.rowSpeed[i] = 0;
        } else {
            session.Run(rowSpeed);
        }
        s.rowAllRate[i] = s.winsAll / 1000;
        s.rowFirstRate[i] = s.winsFirst / 1000;
        DebugPrint("%d\t%.2f\t%.2f\n", s.rowSpeed[i], s.rowAllRate[i], s.rowFirstRate[i]);
    }
    progressLabel.ReplaceText("");
    return kEstimateOk;
}

}  // namespace kestavel
