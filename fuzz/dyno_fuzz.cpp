// libFuzzer target: the dyno export reader over bytes.
#include "dyno_target.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string err = trovanta::fuzz::checkDyno(data, size);
    if (!err.empty()) {
        std::fprintf(stderr, "dyno check failed: %s\n", err.c_str());
        std::abort();
    }
    return 0;
}
