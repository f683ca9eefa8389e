// libFuzzer driver of fuzz::PathChecks (see fuzz_targets.h).
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const char* broken = fuzz::PathChecks(data, size)) {
        std::fprintf(stderr, "broken promise: %s\n", broken);
        std::abort();
    }
    return 0;
}
