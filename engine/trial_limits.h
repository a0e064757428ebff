#pragma once
// The sizes of the trial model: how many trials a run makes and how many actors take part.
// Everything that depends on them, the kernels' buffers included, is derived from these.

namespace kestavel {

constexpr int kTrialsPerRun = 100000;
constexpr int kAllyCount = 5;
constexpr int kMaxEnemyCount = 9;
// Engine outputs of one trial at most: every ally, then every enemy.
constexpr int kMaxTrialStride = kAllyCount + kMaxEnemyCount;

}  // namespace kestavel
