#pragma once
// A gear set as numbers, and the arithmetic every window shares: rolling
// circumference, final drive, overall ratio as shown, road speed and engine
// speed in a gear, Vmax. Gears are numbered 1 to 6 as the rider counts them.
//
// Speeds follow one rule, the one of the main window's Vmax and full-scale
// speeds: v = n / G_k * C * 60 * 10^-6 * f_k, with G_k the overall ratio as
// shown (rounded by the ratio format and read back), f_k = 1 for gears 1 to 3
// and 1 - slip/100 for gears 4 to 6. Every function raises trovanta::Error
// as the calculation run would (a front sprocket of 0, a ratio shown as 0).

#include <array>
#include <cstdint>
#include <optional>

namespace trovanta::gearing {

using real = long double;

struct GearSet {
    double rim = 17;    // inch
    double width = 190; // mm
    double height = 50; // percent of the width
    std::int32_t slip = 3; // percent
    std::optional<std::int32_t> circumferenceOverride; // whole mm, used as is
    std::int32_t front = 17;
    std::int32_t rear = 38;
    double primary = 1.84;
    std::array<double, 6> gears{2.67, 1.93, 1.50, 1.23, 1.09, 1.00};
    std::int32_t redZone = 12000;  // rpm
    std::int32_t shiftMark = 6000; // rpm
};

// The steps, on plain values, in the order and precision of the run.
// pi * (25.4 * rim + 2 * width * heightFraction), rounded to whole mm.
std::int32_t rollingCircumference(double rim, double width, double heightFraction);
double heightFraction(double heightPercent);
double finalDrive(std::int32_t front, std::int32_t rear);
real overallRatio(double gearRatio, double primary, double finalDrive);
// The value the ratio format shows, read back.
double asShown(real ratio);
// n / G * C * 60 * 10^-6, without slip.
real roadSpeed(real rpm, real ratio, std::int32_t circumference);

// The same on a gear set.
std::int32_t circumference(const GearSet &g); // the override's, or computed
double finalDrive(const GearSet &g);
real slipFactor(const GearSet &g, int gear);

// Everything the speeds need, worked out once from a gear set.
struct Derived {
    std::int32_t circumference = 0;
    double finalDrive = 0;
    std::array<double, 6> ratio{};   // as shown
    std::array<real, 6> factor{};    // f_k
    std::int32_t redZone = 0;
    std::int32_t shiftMark = 0;

    real roadSpeed(real rpm, int gear) const;
    // The exact inverse of roadSpeed: n = v / (C * 60 * 10^-6 * f_k) * G_k.
    real engineSpeed(real kmh, int gear) const;
    std::int32_t vmax(int gear) const; // at the red zone, whole km/h
};
Derived derive(const GearSet &g);

} // namespace trovanta::gearing
