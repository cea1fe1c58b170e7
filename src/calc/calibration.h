#pragma once
// The calibration window's arithmetic: the rolling circumference from a
// roll-out, from one GPS speed in a gear and from a data logger's samples,
// and the speedometer error before and after a change of sprockets or tyre.
//
// Every speed follows the main window's rule (gearset.h), so a circumference
// found here, typed into the main window, gives back the measured speeds.
// Divisions are checked: a zero divisor raises trovanta::Error with
// "Gleitkommadivision durch Null", as in the main window.

#include "calc/gearset.h"
#include "calc/messages.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trovanta::calibration {

using real = long double;

// Roll-out: the distance the wheel rolled over a number of revolutions.
real rollOutCircumference(real distanceMm, real revolutions);

// GPS point: the circumference with which the main window's rule gives
// exactly `kmh` at `rpm` in `gear` (1 to 6):
// C = v * G_k / (n * 60 * 10^-6 * f_k).
real gpsCircumference(const gearing::Derived &d, int gear, real rpm, real kmh);

// Deviation in percent: (value / reference - 1) * 100. Pass the unrounded
// value; the reference is the tyre's nominal circumference
// (gearing::rollingCircumference) or, for a gear of the fit, the file's.
real deviation(real value, real reference);

// A circumference as shown: whole mm, halves to even.
std::int32_t wholeMm(real circumference);

// A deviation or error as shown: "+0,53 %", "-1,09 %", "0,00 %".
std::string percentText(real percent, char sep);

// Speedometer error in percent: (reading / true - 1) * 100.
real speedometerError(real reading, real trueKmh);

// Where the speedometer takes its signal: a gearbox sensor sees the
// sprockets and the tyre change, a rear-wheel sensor only the tyre.
enum class Sensor { Gearbox, RearWheel };

struct Drive {
    std::int32_t front = 17;          // teeth
    std::int32_t rear = 38;           // teeth
    real circumference = 0;           // mm; the planned tyre is typed as a decimal
};

// The error after changing from `now` to `next`, from the error now:
// e = ((1 + e0/100) * q - 1) * 100, q = (R'/F') / (R/F) * C / C' for a
// gearbox sensor and C / C' for a rear-wheel sensor. Exact tooth ratios,
// not the ratio as shown.
real speedometerErrorAfter(real errorNow, Sensor sensor, const Drive &now, const Drive &next);

// What the speedometer reads at a true speed with that error, whole km/h.
std::int32_t readingAt(real trueKmh, real errorPercent);

// ---- The logger fit ----------------------------------------------------
//
// One logged sample: engine speed in rpm, road speed in km/h. Nothing else
// of a logger line is kept.
struct Sample {
    double rpm = 0;
    double kmh = 0;
};

inline constexpr double FitMinKmh = 20;
inline constexpr double FitMinRpm = 1000;
inline constexpr double Pass1Tolerance = 0.06;
inline constexpr double Pass2Tolerance = 0.04;
inline constexpr std::int64_t MinGearSamples = 10;
inline constexpr double CheckDeviation = 1.5; // percent
// Gears 1 to 3 give the circumference alone when at least two of them hold
// this many samples; gears 4 to 6 then give the slip.
inline constexpr std::int64_t SlipGroupSamples = 100;
// A fit asks whether to stop at least this often (samples).
inline constexpr std::size_t FitStopEvery = 65536;


struct GearFit {
    std::int64_t pass1 = 0; // samples given this gear in pass 1
    std::int64_t pass2 = 0; // samples given this gear in pass 2
    // With at least 10 pass-2 samples: C_k = G_k / (median q * 60e-6 * f_k)
    // and its deviation in percent from the file's circumference.
    std::optional<real> circumference;
    std::optional<real> deviation;
    // Fewer than 10 pass-2 samples although at least 10 counted samples lie
    // where the gear would put the engine within the file's engine-speed
    // range: the gear's ratio is likely wrong.
    bool missing = false;
    // To be checked: the deviation from its group's value exceeds 1,5 %
    // either way, the gear had 10 samples or more in pass 1 but fewer than
    // 10 in pass 2, or it is missing.
    bool check = false;
};

// The window shows "samples used / data lines read", e.g. "1026 / 1338":
// - samples used (`samplesUsed` here): the samples that pass 2 gave a gear,
//   over all six gears, i.e. those the file's circumference is the median of;
// - data lines read (files::LoggerData::dataLines): the non-blank lines after
//   the header and its units line, including those skipped as unreadable.
struct FitResult {
    real circumference = 0; // the file's, unrounded
    real sigma = 0;         // pass 1's median of q / q_k
    std::int64_t samplesUsed = 0;
    std::int64_t samplesCounted = 0; // v >= 20 km/h and n >= 1000 rpm
    std::array<GearFit, 6> gears{};
    // Gears 1 to 3 gave the circumference (f = 1); then the slip gears 4 to
    // 6 measure, in percent, when they hold 10 samples or more.
    bool byLowerGears = false;
    std::optional<real> slip;

    // Fewer than half of the counted samples fell into a gear.
    bool fewInGear() const { return samplesUsed * 2 < samplesCounted; }
    // The main window's ratios are to be checked before the result is used.
    bool ratiosSuspect() const;
};

// Fits the circumference to the samples with the main window's gear set
// (its circumference, ratios as shown and slip). A sample counts with
// v >= 20 km/h and n >= 1000 rpm; q = n / v, q_k = G_k / (C * 60e-6 * f_k).
// Pass 1 gives a sample the gear with the smallest |q/q_k - 1| if that is at
// most 6 %; sigma = median of q/q_k over those. Pass 2 does the same with
// sigma * q_k and 4 %.
//
// When at least two of gears 1 to 3 hold 100 pass-1 samples each, sigma is
// taken per group (gears 1-3, gears 4-6) for pass 2, and if two of them
// still hold 100 pass-2 samples, the file's circumference C is the median of
// G_k / (q * 60e-6) over the pass-2 samples of gears 1 to 3, and the slip
// s = (1 - C46 / C) * 100 with C46 the same median over gears 4 to 6; each
// gear's deviation is then from its own group's value (C or C46) and gears
// 4 to 6 show their circumference at the measured slip. Otherwise the file's
// circumference is the median over all pass-2 samples of
// G_k / (q * 60e-6 * f_k), with the main window's slip.
//
// Medians of an even count take the mean of the two middle values. Throws
// msg::NotEnoughPoints when no gear has 10 pass-2 samples. Temporary
// memory: one double per counted sample.
FitResult fitLogger(const std::vector<Sample> &samples, const gearing::Derived &d);
// The same, asking `stop` at least every FitStopEvery samples (and between
// the steps); none when it said to stop.
std::optional<FitResult> fitLogger(const std::vector<Sample> &samples, const gearing::Derived &d,
                                   const std::function<bool()> &stop);

// The median the fit takes of [first, last) (an even count: the mean of
// the two middle values), reordering the range and asking `stop` at least
// every FitStopEvery values it looks at; none when it said to stop (or
// for no values).
std::optional<real> median(double *first, double *last, const std::function<bool()> &stop);

// "used / read" as the window shows it.
std::string countsText(std::int64_t samplesUsed, std::int64_t dataLines);

} // namespace trovanta::calibration
