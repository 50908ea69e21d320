#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run at once; libFuzzer then keeps the input
// that broke it as a crash artifact.
#define ROWSWEEP_FUZZ_REQUIRE(condition)                                                      \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (false)
