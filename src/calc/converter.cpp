#include "calc/converter.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

namespace trovanta::converter {

Result Rechnen(const std::string &textA, const std::string &textB, double factor, char sep)
{
    Result res;
    if (textA.empty() || textB.empty())
        return res;
    try {
        res.panelA = num::formatF2(fp::div(num::parseDecimal(textA, sep), factor), sep);
        res.panelB = num::formatF2(fp::mul(num::parseDecimal(textB, sep), factor), sep);
    } catch (const Error &e) {
        res.error = e.message();
    }
    return res;
}

} // namespace trovanta::converter
