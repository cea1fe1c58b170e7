#pragma once
// The message of a call that fails, for the tests of failures.

#include "calc/error.h"

#include <string>

namespace trovanta::test {

// The message of the Error that `call` throws, or "no error".
template <class Call> std::string errorOf(Call &&call)
{
    try {
        call();
    } catch (const Error &e) {
        return e.message();
    }
    return "no error";
}

} // namespace trovanta::test
