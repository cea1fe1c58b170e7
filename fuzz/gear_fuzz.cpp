// libFuzzer target: the gear data record decoder and its field texts.
#include "targets.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string err = trovanta::fuzz::checkGear(data, size);
    if (!err.empty()) {
        std::fprintf(stderr, "gear check failed: %s\n", err.c_str());
        std::abort();
    }
    return 0;
}
