#include "calc/calibration.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

#include <algorithm>
#include <cmath>

namespace trovanta::calibration {

namespace {

// Every divisor the rider types (revolutions, engine speed, true speed,
// teeth, circumference) reads as a division by zero when it is zero, also
// over a zero dividend: the field to correct is the divisor.
real divide(real a, real b)
{
    if (b == 0)
        fp::fail(trovanta::msg::DivisionByZero);
    return fp::div(a, b);
}

std::size_t index(int gear)
{
    if (gear < 1 || gear > 6)
        fp::fail(trovanta::msg::InvalidOperation);
    return static_cast<std::size_t>(gear - 1);
}

// 60 * 10^-6 * f_k: km/h per (mm per minute), with slip.
real perMmPerMinute(const gearing::Derived &d, std::size_t i)
{
    return fp::mul(fp::mul(60, 1E-6L), d.factor[i]);
}

// The median of [first, last), reordering it; an even count takes the mean
// of the two middle values.
real medianOf(double *first, double *last)
{
    const std::ptrdiff_t n = last - first;
    double *mid = first + n / 2;
    std::nth_element(first, mid, last);
    real m = *mid;
    if (n % 2 == 0)
        m = (m + real(*std::max_element(first, mid))) / 2;
    return m;
}

} // namespace

real rollOutCircumference(real distanceMm, real revolutions) { return divide(distanceMm, revolutions); }

real gpsCircumference(const gearing::Derived &d, int gear, real rpm, real kmh)
{
    const std::size_t i = index(gear);
    return divide(fp::mul(kmh, d.ratio[i]), fp::mul(rpm, perMmPerMinute(d, i)));
}

real deviation(real value, real reference) { return fp::mul(fp::sub(divide(value, reference), 1), 100); }

std::int32_t wholeMm(real circumference) { return fp::roundToInt(circumference); }

std::string percentText(real percent, char sep) { return num::formatSignedF2(percent, sep) + " %"; }

real speedometerError(real reading, real trueKmh) { return deviation(reading, trueKmh); }

real speedometerErrorAfter(real errorNow, Sensor sensor, const Drive &now, const Drive &next)
{
    real q = divide(now.circumference, next.circumference);
    if (sensor == Sensor::Gearbox) {
        const real finalNow = divide(now.rear, now.front);
        const real finalNext = divide(next.rear, next.front);
        q = fp::mul(divide(finalNext, finalNow), q);
    }
    const real factor = fp::add(1, fp::div(errorNow, 100));
    return fp::mul(fp::sub(fp::mul(factor, q), 1), 100);
}

std::int32_t readingAt(real trueKmh, real errorPercent)
{
    return fp::roundToInt(fp::mul(trueKmh, fp::add(1, fp::div(errorPercent, 100))));
}

FitResult fitLogger(const std::vector<Sample> &samples, const gearing::Derived &d)
{
    // 1 / q_k for each gear, so that the loops over the samples multiply.
    std::array<double, 6> inverse{};
    std::array<real, 6> perMm{};
    for (std::size_t i = 0; i < 6; ++i) {
        perMm[i] = perMmPerMinute(d, i);
        const real qk = divide(d.ratio[i], fp::mul(real(d.circumference), perMm[i]));
        inverse[i] = static_cast<double>(divide(1, qk));
    }

    // The gear whose expected q (1 / inv) lies nearest, within the
    // tolerance: its index and q * inv, or -1 for none.
    auto nearest = [](const Sample &s, const std::array<double, 6> &inv, double tolerance, double &ratio) {
        if (!(s.kmh >= FitMinKmh && s.rpm >= FitMinRpm))
            return -1;
        const double q = s.rpm / s.kmh;
        int best = -1;
        double bestDist = tolerance;
        for (int i = 0; i < 6; ++i) {
            const double r = q * inv[static_cast<std::size_t>(i)];
            const double dist = std::fabs(r - 1);
            if (dist <= bestDist && (best < 0 || dist < bestDist)) {
                best = i;
                bestDist = dist;
                ratio = r;
            }
        }
        return best;
    };

    FitResult out;
    double ratio = 0;

    // Pass 1: counted first so that the buffer is allocated once.
    std::int64_t total1 = 0;
    for (const Sample &s : samples)
        if (const int k = nearest(s, inverse, Pass1Tolerance, ratio); k >= 0) {
            ++out.gears[static_cast<std::size_t>(k)].pass1;
            ++total1;
        }
    if (total1 == 0)
        throw Error(msg::NotEnoughPoints);
    std::vector<double> buf;
    buf.reserve(static_cast<std::size_t>(total1));
    for (const Sample &s : samples)
        if (nearest(s, inverse, Pass1Tolerance, ratio) >= 0)
            buf.push_back(ratio);
    out.sigma = medianOf(buf.data(), buf.data() + buf.size());
    std::array<double, 6> scaled{};
    for (std::size_t i = 0; i < 6; ++i)
        scaled[i] = static_cast<double>(inverse[i] / out.sigma);

    // Pass 2: the q of each gear in a slice of its own.
    std::array<std::size_t, 7> start{};
    for (const Sample &s : samples)
        if (const int k = nearest(s, scaled, Pass2Tolerance, ratio); k >= 0)
            ++out.gears[static_cast<std::size_t>(k)].pass2;
    for (std::size_t i = 0; i < 6; ++i)
        start[i + 1] = start[i] + static_cast<std::size_t>(out.gears[i].pass2);
    out.samplesUsed = static_cast<std::int64_t>(start[6]);
    buf.clear();
    buf.resize(start[6]);
    std::array<std::size_t, 6> fill{};
    std::copy(start.begin(), start.begin() + 6, fill.begin());
    for (const Sample &s : samples)
        if (const int k = nearest(s, scaled, Pass2Tolerance, ratio); k >= 0)
            buf[fill[static_cast<std::size_t>(k)]++] = s.rpm / s.kmh;

    bool anyGear = false;
    for (std::size_t i = 0; i < 6; ++i) {
        double *first = buf.data() + start[i];
        double *last = buf.data() + start[i + 1];
        GearFit &g = out.gears[i];
        if (g.pass2 >= MinGearSamples) {
            g.circumference = divide(d.ratio[i], fp::mul(medianOf(first, last), perMm[i]));
            anyGear = true;
        }
        // Each sample's own circumference, for the file's median.
        for (double *p = first; p != last; ++p)
            *p = static_cast<double>(d.ratio[i] / (*p * perMm[i]));
    }
    if (!anyGear)
        throw Error(msg::NotEnoughPoints);
    out.circumference = medianOf(buf.data(), buf.data() + buf.size());

    for (GearFit &g : out.gears) {
        if (g.circumference) {
            g.deviation = deviation(*g.circumference, out.circumference);
            g.check = std::fabs(*g.deviation) > CheckDeviation;
        } else {
            g.check = g.pass1 >= MinGearSamples;
        }
    }
    return out;
}

std::string countsText(std::int64_t samplesUsed, std::int64_t dataLines)
{
    return num::formatInt(samplesUsed) + " / " + num::formatInt(dataLines);
}

} // namespace trovanta::calibration
