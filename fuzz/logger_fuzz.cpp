// libFuzzer target: the logger export reader over bytes, and the fit on what it read.
#include "logger_target.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string err = trovanta::fuzz::checkLogger(data, size);
    if (!err.empty()) {
        std::fprintf(stderr, "logger check failed: %s\n", err.c_str());
        std::abort();
    }
    return 0;
}
