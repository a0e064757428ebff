#pragma once
// Which implementation of a run does the work: the plain loop, or one of the fast engines that
// give the very same counts and engine position. The fastest one this CPU supports is chosen at
// first use, unless the environment variable KESTAVEL_TRIAL_PATH names another (for tests,
// benchmarks and users comparing them); tests and benchmarks may also choose one in code.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kestavel {

enum class TrialPath {
    kPlain,     // one engine call per draw, straight through std::mt19937
    kPortable,  // block generation and trial evaluation in plain C++ (any CPU)
    kSse41,     // x86-64 with SSE4.1
    kAvx2,      // x86-64 with AVX2
    kAvx512,    // x86-64 with AVX-512F
    kSimd128,   // WebAssembly with 128-bit vectors: only in the module built for them
};

// Every path, fastest first.
std::span<const TrialPath> AllTrialPaths();

// Its name in KESTAVEL_TRIAL_PATH and in benchmark names: plain, portable, sse41, avx2, avx512
// (and simd128 in the WebAssembly module that has it).
const char* TrialPathName(TrialPath path);
std::optional<TrialPath> TrialPathNamed(std::string_view name);

// Whether this build and this CPU (and its operating system) can run `path`.
bool TrialPathSupported(TrialPath path);

// The fastest supported path.
TrialPath FastestTrialPath();

// The path that RunTrials and EstimateEnemySpeed use: the one KESTAVEL_TRIAL_PATH names if this
// CPU runs it, otherwise the fastest one, unless chosen otherwise.
TrialPath ActiveTrialPath();

// The environment variable that names a path, and what became of it: a front end that can
// tell its user reports a name it did not follow.
constexpr const char* kTrialPathVariable = "KESTAVEL_TRIAL_PATH";
enum class TrialPathOverride { kUnset, kFollowed, kUnknownName, kNotOnThisCpu };
TrialPathOverride TrialPathOverrideState();

// Makes `path` the active one if it is supported; returns whether it is now active.
bool ChooseTrialPath(TrialPath path);

}  // namespace kestavel
