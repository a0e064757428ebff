#pragma once
// Compiling a kernel for one x86-64 instruction set, function by function, so that the rest of
// the program still runs on any x86-64 CPU; the dispatch calls such code only after the CPU
// check. GCC and clang (which builds the fuzz targets) spell this differently. Also what every
// x86 kernel file needs, included here before any target is switched on. The build compiles
// these files, and defines KESTAVEL_X86_KERNELS, only for x86-64.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "engine/trials/trial_kernel.h"

#include <immintrin.h>

// Before AVX-512 the conversions to doubles take only signed words: flipping the top bit makes
// a word a value 2^31 lower, converted exactly, and adding 2^31 back is exact too.
constexpr int kTopBitAsInt = static_cast<int>(0x80000000u);
constexpr double kTopBitValue = 2147483648.0;

#define KESTAVEL_PRAGMA(text) _Pragma(#text)

#if defined(__clang__)
#define KESTAVEL_TARGET_BEGIN(isa) KESTAVEL_PRAGMA(clang attribute push(__attribute__((target(isa))), apply_to = function))
#define KESTAVEL_TARGET_END KESTAVEL_PRAGMA(clang attribute pop)
#else
// GCC 12's AVX-512 intrinsics start some results from a deliberately undefined register.
#define KESTAVEL_TARGET_BEGIN(isa)                                                              \
    KESTAVEL_PRAGMA(GCC push_options) KESTAVEL_PRAGMA(GCC target(isa)) KESTAVEL_PRAGMA(GCC diagnostic push) \
    KESTAVEL_PRAGMA(GCC diagnostic ignored "-Wmaybe-uninitialized")                             \
    KESTAVEL_PRAGMA(GCC diagnostic ignored "-Wuninitialized")
#define KESTAVEL_TARGET_END KESTAVEL_PRAGMA(GCC diagnostic pop) KESTAVEL_PRAGMA(GCC pop_options)
#endif

// Opens the kernel's namespace, kestavel::`name`, with code for `isa`; KESTAVEL_KERNEL_END
// closes both.
#define KESTAVEL_KERNEL_BEGIN(name, isa) KESTAVEL_TARGET_BEGIN(isa) namespace kestavel::name {
#define KESTAVEL_KERNEL_END } KESTAVEL_TARGET_END
