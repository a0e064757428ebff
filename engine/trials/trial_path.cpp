#include "engine/trials/trial_path.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <iterator>

#include "engine/trials/trial_kernel.h"

namespace kestavel {

namespace {

enum class CpuFeature { kNone, kSse41, kAvx2, kAvx512F };

// The paths as data: the chooser takes the first entry whose kernel this build has and whose
// feature this CPU has. Listed fastest first.
struct TrialPathEntry {
    TrialPath path;
    const char* name;
    CpuFeature needs;
    const TrialKernel* (*kernel)();  // null for the plain loop, which needs none
};

#ifdef KESTAVEL_X86_KERNELS
constexpr auto kAvx512Kernel = avx512::Kernel;
constexpr auto kAvx2Kernel = avx2::Kernel;
constexpr auto kSse41Kernel = sse41::Kernel;
#else
// A fast path this build has no code for.
const TrialKernel* NoKernel() { return nullptr; }
constexpr auto kAvx512Kernel = NoKernel;
constexpr auto kAvx2Kernel = NoKernel;
constexpr auto kSse41Kernel = NoKernel;
#endif

constexpr TrialPathEntry kTrialPaths[] = {
#ifdef KESTAVEL_WASM_SIMD_KERNEL
    // The module is loaded only where the browser validates simd128: no feature to ask about.
    {TrialPath::kSimd128, "simd128", CpuFeature::kNone, simd128::Kernel},
#endif
    {TrialPath::kAvx512, "avx512", CpuFeature::kAvx512F, kAvx512Kernel},
    {TrialPath::kAvx2, "avx2", CpuFeature::kAvx2, kAvx2Kernel},
    {TrialPath::kSse41, "sse41", CpuFeature::kSse41, kSse41Kernel},
    {TrialPath::kPortable, "portable", CpuFeature::kNone, PortableKernel},
    {TrialPath::kPlain, "plain", CpuFeature::kNone, nullptr},
};

constexpr auto kPathsFastestFirst = [] {
    std::array<TrialPath, std::size(kTrialPaths)> paths{};
    for (size_t i = 0; i < paths.size(); ++i) paths[i] = kTrialPaths[i].path;
    return paths;
}();

const TrialPathEntry& EntryOf(TrialPath path) {
    for (const TrialPathEntry& entry : kTrialPaths) {
        if (entry.path == path) return entry;
    }
    return kTrialPaths[std::size(kTrialPaths) - 1];
}

bool CpuHas(CpuFeature feature) {
    if (feature == CpuFeature::kNone) return true;
#ifdef KESTAVEL_X86_KERNELS
    __builtin_cpu_init();
    // libgcc reports these only when the operating system also saves the wider registers.
    switch (feature) {
        case CpuFeature::kSse41: return __builtin_cpu_supports("sse4.1");
        case CpuFeature::kAvx2: return __builtin_cpu_supports("avx2");
        case CpuFeature::kAvx512F: return __builtin_cpu_supports("avx512f");
        case CpuFeature::kNone: return true;
    }
#endif
    return false;
}

const char* OverrideName() { return std::getenv(kTrialPathVariable); }

TrialPath InitialPath() {
    if (const char* name = OverrideName()) {
        const std::optional<TrialPath> named = TrialPathNamed(name);
        if (named && TrialPathSupported(*named)) return *named;
    }
    return FastestTrialPath();
}

std::atomic<int>& ChosenPath() {
    static std::atomic<int> chosen{static_cast<int>(InitialPath())};
    return chosen;
}

}  // namespace

const TrialKernel* KernelFor(TrialPath path) {
    const TrialPathEntry& entry = EntryOf(path);
    return entry.kernel ? entry.kernel() : nullptr;
}

std::span<const TrialPath> AllTrialPaths() { return kPathsFastestFirst; }

const char* TrialPathName(TrialPath path) { return EntryOf(path).name; }

std::optional<TrialPath> TrialPathNamed(std::string_view name) {
    for (const TrialPathEntry& entry : kTrialPaths) {
        if (name == entry.name) return entry.path;
    }
    return std::nullopt;
}

bool TrialPathSupported(TrialPath path) {
    const TrialPathEntry& entry = EntryOf(path);
    if (entry.kernel == nullptr) return true;
    return entry.kernel() != nullptr && CpuHas(entry.needs);
}

TrialPath FastestTrialPath() {
    for (const TrialPathEntry& entry : kTrialPaths) {
        if (TrialPathSupported(entry.path)) return entry.path;
    }
    return TrialPath::kPlain;
}

TrialPathOverride TrialPathOverrideState() {
    const char* name = OverrideName();
    if (name == nullptr) return TrialPathOverride::kUnset;
    const std::optional<TrialPath> named = TrialPathNamed(name);
    if (!named) return TrialPathOverride::kUnknownName;
    return TrialPathSupported(*named) ? TrialPathOverride::kFollowed : TrialPathOverride::kNotOnThisCpu;
}

TrialPath ActiveTrialPath() { return static_cast<TrialPath>(ChosenPath().load()); }

bool ChooseTrialPath(TrialPath path) {
    if (!TrialPathSupported(path)) return false;
    ChosenPath().store(static_cast<int>(path));
    return true;
}

}  // namespace kestavel
