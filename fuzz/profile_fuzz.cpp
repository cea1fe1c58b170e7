// libFuzzer target: the profile text layer (lookup and write) on arbitrary bytes.
#include "targets.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string err = trovanta::fuzz::checkProfile(data, size);
    if (!err.empty()) {
        std::fprintf(stderr, "profile check failed: %s\n", err.c_str());
        std::abort();
    }
    return 0;
}
