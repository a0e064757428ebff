#pragma once
// Compiling a stretch of code for one x86-64 instruction set, function by function, so that
// the rest of the program still runs on any x86-64 CPU; the dispatch calls such code only after
// the CPU check. GCC and clang (which builds the fuzz targets) spell this differently.

#if defined(__x86_64__) && defined(__GNUC__)
#define KESTAVEL_X86_KERNELS 1
#else
#define KESTAVEL_X86_KERNELS 0
#endif

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
