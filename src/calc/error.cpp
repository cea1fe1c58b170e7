#include "calc/error.h"

namespace trovanta {

std::string formatMessage(std::string_view pattern, std::string_view arg)
{
    std::string out(pattern);
    for (const char *ph : {"%s", "%d"}) {
        const auto pos = out.find(ph);
        if (pos != std::string::npos) {
            out.replace(pos, 2, arg);
            return out;
        }
    }
    return out;
}

std::string withFullStop(std::string_view message)
{
    std::string out(message);
    if (out.empty() || out.back() != '.')
        out += '.';
    return out;
}

} // namespace trovanta
