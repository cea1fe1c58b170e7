// libFuzzer target: the INI reader on a whole file in memory, and its writes.
#include "targets.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string err = trovanta::fuzz::checkIniReader(data, size);
    if (!err.empty()) {
        std::fprintf(stderr, "INI reader check failed: %s\n", err.c_str());
        std::abort();
    }
    return 0;
}
