#include "calc/gearset.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

#include <string>

namespace trovanta::gearing {

std::int32_t rollingCircumference(double rim, double width, double heightFraction)
{
    const real tyre = fp::add(fp::mul(25.4L, rim), fp::mul(fp::mul(2, width), heightFraction));
    return fp::roundToInt(fp::mul(fp::Pi, tyre));
}

double heightFraction(double heightPercent) { return static_cast<double>(fp::div(heightPercent, 100)); }

double finalDrive(std::int32_t front, std::int32_t rear) { return static_cast<double>(fp::div(rear, front)); }

real overallRatio(double gearRatio, double primary, double finalDrive)
{
    return fp::mul(gearRatio, fp::mul(primary, finalDrive));
}

double asShown(real ratio)
{
    // The separator plays no part in the value, so the point stands for any.
    return num::parseDecimal(num::formatRatio(ratio, '.'), '.');
}

// Evaluated left to right as written.
real roadSpeed(real rpm, real ratio, std::int32_t circumference)
{
    return fp::mul(fp::mul(fp::mul(fp::div(rpm, ratio), circumference), 60), 1E-6L);
}

namespace {

std::size_t index(int gear)
{
    if (gear < 1 || gear > 6)
        throw Error(msg::InvalidOperation);
    return static_cast<std::size_t>(gear - 1);
}

real factorOf(std::int32_t slip, int gear)
{
    return gear >= 4 ? 1 - fp::div(slip, 100) : real(1);
}

} // namespace

std::int32_t circumference(const GearSet &g)
{
    if (g.circumferenceOverride)
        return *g.circumferenceOverride;
    return rollingCircumference(g.rim, g.width, heightFraction(g.height));
}

double finalDrive(const GearSet &g) { return finalDrive(g.front, g.rear); }

real slipFactor(const GearSet &g, int gear)
{
    index(gear);
    return factorOf(g.slip, gear);
}

Derived derive(const GearSet &g)
{
    Derived d;
    d.circumference = circumference(g);
    d.finalDrive = finalDrive(g);
    for (int k = 1; k <= 6; ++k) {
        d.ratio[index(k)] = asShown(overallRatio(g.gears[index(k)], g.primary, d.finalDrive));
        d.factor[index(k)] = factorOf(g.slip, k);
    }
    d.redZone = g.redZone;
    d.shiftMark = g.shiftMark;
    return d;
}

real Derived::roadSpeed(real rpm, int gear) const
{
    const std::size_t i = index(gear);
    return fp::mul(gearing::roadSpeed(rpm, ratio[i], circumference), factor[i]);
}

real Derived::engineSpeed(real kmh, int gear) const
{
    const std::size_t i = index(gear);
    const real perRpm = fp::mul(fp::mul(fp::mul(real(circumference), 60), 1E-6L), factor[i]);
    return fp::mul(fp::div(kmh, perRpm), ratio[i]);
}

std::int32_t Derived::vmax(int gear) const { return fp::roundToInt(roadSpeed(redZone, gear)); }

} // namespace trovanta::gearing
