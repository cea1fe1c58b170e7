#pragma once
// Floating-point arithmetic that fails like a trapping FPU: a division by
// zero, an invalid operation or an overflow raises an Error instead of
// quietly producing infinity or NaN that would then show up as a result.

#include "calc/error.h"

#include <cmath>
#include <cstdint>

namespace trovanta::fp {

using real = long double; // extended precision for intermediates

inline constexpr real Pi = 3.1415926535897932385L;

[[noreturn]] inline void fail(const char *message) { throw Error(message); }

inline real checked(real r)
{
    if (std::isnan(r))
        fail(msg::InvalidOperation);
    if (std::isinf(r))
        fail(msg::Overflow);
    return r;
}

inline real div(real a, real b)
{
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            fail(msg::InvalidOperation);
        fail(msg::DivisionByZero);
    }
    return checked(a / b);
}

inline real mul(real a, real b) { return checked(a * b); }
inline real add(real a, real b) { return checked(a + b); }
inline real sub(real a, real b) { return checked(a - b); }

inline real sqrt(real x)
{
    if (std::isnan(x) || x < 0)
        fail(msg::InvalidOperation);
    return std::sqrt(x);
}

// Nearest integer, an exact half to the even neighbour, into 32 bits.
// A value outside the 32-bit range is an invalid operation rather than a
// silently wrapped number.
inline std::int32_t roundToInt(real x)
{
    if (std::isnan(x) || std::isinf(x))
        fail(msg::InvalidOperation);
    real fl = std::floor(x);
    const real diff = x - fl;
    if (diff > 0.5L || (diff == 0.5L && std::fmod(fl, 2.0L) != 0))
        fl += 1;
    if (fl < -2147483648.0L || fl > 2147483647.0L)
        fail(msg::InvalidOperation);
    return static_cast<std::int32_t>(fl);
}

// Truncation toward zero into 64 bits; beyond that range an invalid operation.
inline std::int64_t trunc(real x)
{
    if (std::isnan(x) || std::isinf(x))
        fail(msg::InvalidOperation);
    const real t = std::trunc(x);
    if (t < -9223372036854775808.0L || t >= 9223372036854775808.0L)
        fail(msg::InvalidOperation);
    return static_cast<std::int64_t>(t);
}

// The same checks for arithmetic that stays in double precision throughout
// (the chain geometry): its results must not change with the precision.
inline constexpr double PiDouble = static_cast<double>(Pi);
static_assert(PiDouble == 3.14159265358979323846);

inline double checkedDouble(double v)
{
    if (std::isnan(v))
        fail(msg::InvalidOperation);
    if (std::isinf(v))
        fail(msg::Overflow);
    return v;
}

inline double dsqrt(double x)
{
    if (std::isnan(x) || x < 0)
        fail(msg::InvalidOperation);
    return std::sqrt(x);
}

inline double ddiv(double a, double b) { return static_cast<double>(div(a, b)); }

} // namespace trovanta::fp
