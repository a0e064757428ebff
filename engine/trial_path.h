#pragma once
// Which implementation of a run does the work: the plain loop, or one of the fast engines that
// give the very same counts and engine position. The fastest one this CPU supports is chosen at
// first use; tests and benchmarks may pick another.

namespace kestavel {

enum class TrialPath {
    kPlain,     // one engine call per draw, straight through std::mt19937
    kPortable,  // block generation and trial evaluation in plain C++ (any CPU)
    kAvx2,      // x86-64 with AVX2
    kAvx512,    // x86-64 with AVX-512F
};

const char* TrialPathName(TrialPath path);

// Whether this build and this CPU (and its operating system) can run `path`.
bool TrialPathSupported(TrialPath path);

// The fastest supported path.
TrialPath FastestTrialPath();

// The path that RunTrials and EstimateEnemySpeed use; the fastest one unless chosen otherwise.
TrialPath ActiveTrialPath();

// Makes `path` the active one if it is supported; returns whether it is now active.
bool ChooseTrialPath(TrialPath path);

}  // namespace kestavel
