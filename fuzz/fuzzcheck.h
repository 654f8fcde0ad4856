#pragma once
// A failed invariant stops the fuzzer with the message and the input that
// broke it (libFuzzer saves the input as a crash file).

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                        \
    do {                                                                  \
        if (!(condition)) {                                               \
            std::fprintf(stderr, "invariant failed: %s\n  ", #condition); \
            std::fprintf(stderr, __VA_ARGS__);                            \
            std::fprintf(stderr, "\n");                                   \
            std::abort();                                                 \
        }                                                                 \
    } while (false)
