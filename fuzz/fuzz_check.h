// What a fuzz target checks beyond "does not crash": a broken promise of the decoder ends the
// run the way a crash does, so the input that broke it is kept.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace brelvo::fuzz {

[[noreturn]] inline void Broken(const char* file, int line, const char* promise) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, promise);
    std::abort();
}

}  // namespace brelvo::fuzz

// A macro for the place of the failure (std::source_location is missing from some clang and
// standard library pairs that libFuzzer builds use).
#define FUZZ_CHECK(holds, promise)                               \
    do {                                                         \
        if (!(holds))                                            \
            ::brelvo::fuzz::Broken(__FILE__, __LINE__, promise); \
    } while (false)
