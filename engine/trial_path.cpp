#include "engine/trial_path.h"

#include <atomic>

#include "engine/trial_kernel.h"

namespace kestavel {

namespace {

bool CpuHas(TrialPath path) {
#if (defined(__x86_64__) || defined(_M_X64)) && defined(__GNUC__)
    __builtin_cpu_init();
    // libgcc reports these only when the operating system also saves the wider registers.
    switch (path) {
        case TrialPath::kAvx2: return __builtin_cpu_supports("avx2");
        case TrialPath::kAvx512: return __builtin_cpu_supports("avx512f");
        default: return true;
    }
#else
    return path == TrialPath::kPlain || path == TrialPath::kPortable;
#endif
}

std::atomic<int>& ChosenPath() {
    static std::atomic<int> chosen{static_cast<int>(FastestTrialPath())};
    return chosen;
}

}  // namespace

const TrialKernel* KernelFor(TrialPath path) {
    switch (path) {
        case TrialPath::kPortable: return &PortableKernel();
        case TrialPath::kAvx2: return Avx2Kernel();
        case TrialPath::kAvx512: return Avx512Kernel();
        case TrialPath::kPlain: return nullptr;
    }
    return nullptr;
}

const char* TrialPathName(TrialPath path) {
    switch (path) {
        case TrialPath::kPlain: return "plain";
        case TrialPath::kPortable: return "portable";
        case TrialPath::kAvx2: return "avx2";
        case TrialPath::kAvx512: return "avx512";
    }
    return "?";
}

bool TrialPathSupported(TrialPath path) {
    if (path == TrialPath::kPlain) return true;
    return KernelFor(path) != nullptr && CpuHas(path);
}

TrialPath FastestTrialPath() {
    for (TrialPath path : {TrialPath::kAvx512, TrialPath::kAvx2, TrialPath::kPortable}) {
        if (TrialPathSupported(path)) return path;
    }
    return TrialPath::kPlain;
}

TrialPath ActiveTrialPath() { return static_cast<TrialPath>(ChosenPath().load()); }

bool ChooseTrialPath(TrialPath path) {
    if (!TrialPathSupported(path)) return false;
    ChosenPath().store(static_cast<int>(path));
    return true;
}

}  // namespace kestavel
