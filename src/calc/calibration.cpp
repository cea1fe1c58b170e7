#include "calc/calibration.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

#include <algorithm>
#include <cmath>
#include <memory>

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

namespace {

// Thrown inside the fit when the caller asked it to stop.
struct Stopped {};

// Room for one double per sample that is not filled in advance: clearing
// hundreds of MB at once would hold up a cancel, while the sweeps touch the
// pages a chunk at a time as they write.
class Buffer {
public:
    void resize(std::size_t n)
    {
        if (n > capacity_) {
            data_.reset();
            data_.reset(new double[n]);
            capacity_ = n;
        }
        size_ = n;
    }
    double *data() { return data_.get(); }
    std::size_t size() const { return size_; }
    double &operator[](std::size_t i) { return data_[i]; }

private:
    std::unique_ptr<double[]> data_;
    std::size_t size_ = 0, capacity_ = 0;
};

// Puts the nth smallest of [first, last) at nth with all before it no
// greater, as std::nth_element, but calls check() at least every
// FitStopEvery values it looks at: a median of millions of samples must not
// hold up a cancel. The pivot is the middle of three values at places from a
// fixed sequence, so that no order of the samples makes it slow and the same
// file always fits the same.
template <class Check> void select(double *first, double *nth, double *last, Check check)
{
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    auto pick = [&state](std::ptrdiff_t n) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<std::ptrdiff_t>(state % static_cast<std::uint64_t>(n));
    };
    std::size_t looked = 0;
    auto look = [&] {
        if (++looked == FitStopEvery) {
            looked = 0;
            check();
        }
    };
    while (last - first > static_cast<std::ptrdiff_t>(FitStopEvery)) {
        const std::ptrdiff_t n = last - first;
        double *a = first + pick(n), *b = first + pick(n), *c = first + pick(n);
        if (*b < *a)
            std::swap(a, b);
        double *m = *c < *a ? a : *c < *b ? c : b;
        std::swap(*first, *m);
        // Hoare's partition around the value now at the front: both parts
        // come out non-empty, and runs of equal values split evenly.
        const double pivot = *first;
        std::ptrdiff_t i = -1, j = n;
        for (;;) {
            do {
                ++i;
                look();
            } while (first[i] < pivot);
            do {
                --j;
                look();
            } while (pivot < first[j]);
            if (i >= j)
                break;
            std::swap(first[i], first[j]);
        }
        if (nth - first <= j)
            last = first + j + 1;
        else
            first += j + 1;
    }
    check();
    std::nth_element(first, nth, last);
}

// The median of [first, last), reordering it; an even count takes the mean
// of the two middle values.
template <class Check> real medianOf(double *first, double *last, Check check)
{
    const std::ptrdiff_t n = last - first;
    double *mid = first + n / 2;
    select(first, mid, last, check);
    real m = *mid;
    if (n % 2 == 0) {
        double below = *first;
        for (double *p = first; p < mid; p += FitStopEvery) {
            check();
            below = std::max(below, *std::max_element(p, std::min(mid, p + FitStopEvery)));
        }
        m = (m + real(below)) / 2;
    }
    return m;
}

class Fit {
public:
    Fit(const std::vector<Sample> &samples, const gearing::Derived &d, const std::function<bool()> &stop)
        : samples_(samples), d_(d), stop_(stop)
    {
    }

    FitResult run();

private:
    // f(sample) for every sample, asking to stop every FitStopEvery.
    template <class F> void sweep(F f) const
    {
        const std::size_t n = samples_.size();
        for (std::size_t at = 0; at < n; at += FitStopEvery) {
            checkStop();
            const std::size_t end = std::min(n, at + FitStopEvery);
            for (std::size_t i = at; i < end; ++i)
                f(samples_[i]);
        }
        checkStop();
    }
    void checkStop() const
    {
        if (stop_ && stop_())
            throw Stopped{};
    }
    real median(double *first, double *last) const
    {
        return medianOf(first, last, [this] { checkStop(); });
    }
    // f(p) for each p in [first, last), asking to stop every FitStopEvery.
    template <class F> void each(double *first, double *last, F f) const
    {
        for (double *p = first; p < last; p += FitStopEvery) {
            checkStop();
            for (double *q = p, *end = std::min(last, p + FitStopEvery); q < end; ++q)
                f(q);
        }
    }
    // Pass 2 with these expected 1 / q_k: the counts, and q of each sample
    // in its gear's slice of buf_ (slice k from start_[k]).
    void assign(const std::array<double, 6> &scaled, FitResult &out);

    const std::vector<Sample> &samples_;
    const gearing::Derived &d_;
    const std::function<bool()> &stop_;
    Buffer buf_;
    std::array<std::size_t, 7> start_{};
};

// The gear whose expected q (1 / inv) lies nearest, within the tolerance:
// its index and q * inv, or -1 for none.
int nearest(const Sample &s, const std::array<double, 6> &inv, double tolerance, double &ratio)
{
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
}

bool lowerGear(std::size_t i) { return i < 3; }

void Fit::assign(const std::array<double, 6> &scaled, FitResult &out)
{
    double ratio = 0;
    for (GearFit &g : out.gears)
        g.pass2 = 0;
    sweep([&](const Sample &s) {
        if (const int k = nearest(s, scaled, Pass2Tolerance, ratio); k >= 0)
            ++out.gears[static_cast<std::size_t>(k)].pass2;
    });
    for (std::size_t i = 0; i < 6; ++i)
        start_[i + 1] = start_[i] + static_cast<std::size_t>(out.gears[i].pass2);
    out.samplesUsed = static_cast<std::int64_t>(start_[6]);
    buf_.resize(start_[6]);
    std::array<std::size_t, 6> fill{};
    std::copy(start_.begin(), start_.begin() + 6, fill.begin());
    sweep([&](const Sample &s) {
        if (const int k = nearest(s, scaled, Pass2Tolerance, ratio); k >= 0)
            buf_[fill[static_cast<std::size_t>(k)]++] = s.rpm / s.kmh;
    });
}

FitResult Fit::run()
{
    // 1 / q_k for each gear, so that the loops over the samples multiply.
    std::array<double, 6> inverse{};
    std::array<real, 6> perMm{};
    for (std::size_t i = 0; i < 6; ++i) {
        perMm[i] = perMmPerMinute(d_, i);
        const real qk = divide(d_.ratio[i], fp::mul(real(d_.circumference), perMm[i]));
        inverse[i] = static_cast<double>(divide(1, qk));
    }

    FitResult out;
    double ratio = 0;

    // Pass 1: counted first so that the buffer is allocated once; the
    // lower gears' ratios go to the front of it, the upper ones' behind.
    std::int64_t low1 = 0, total1 = 0;
    double minRpm = 0, maxRpm = 0;
    sweep([&](const Sample &s) {
        if (!(s.kmh >= FitMinKmh && s.rpm >= FitMinRpm))
            return;
        if (out.samplesCounted++ == 0)
            minRpm = maxRpm = s.rpm;
        minRpm = std::min(minRpm, s.rpm);
        maxRpm = std::max(maxRpm, s.rpm);
        if (const int k = nearest(s, inverse, Pass1Tolerance, ratio); k >= 0) {
            ++out.gears[static_cast<std::size_t>(k)].pass1;
            ++total1;
            low1 += lowerGear(static_cast<std::size_t>(k));
        }
    });
    if (total1 == 0)
        throw Error(msg::NotEnoughPoints);
    buf_.resize(static_cast<std::size_t>(total1));
    std::size_t lowFill = 0, highFill = static_cast<std::size_t>(low1);
    sweep([&](const Sample &s) {
        if (const int k = nearest(s, inverse, Pass1Tolerance, ratio); k >= 0)
            buf_[lowerGear(static_cast<std::size_t>(k)) ? lowFill++ : highFill++] = ratio;
    });
    auto enough = [](const std::array<GearFit, 6> &gears, std::int64_t GearFit::*count) {
        int n = 0;
        for (std::size_t i = 0; i < 3; ++i)
            n += gears[i].*count >= SlipGroupSamples;
        return n >= 2;
    };
    bool byGroups = enough(out.gears, &GearFit::pass1);
    real sigmaLow = 0, sigmaHigh = 0;
    if (byGroups) {
        double *mid = buf_.data() + low1;
        sigmaLow = median(buf_.data(), mid);
        sigmaHigh = mid != buf_.data() + buf_.size() ? median(mid, buf_.data() + buf_.size()) : sigmaLow;
    }
    checkStop();
    out.sigma = median(buf_.data(), buf_.data() + buf_.size());
    checkStop();

    std::array<double, 6> scaled{};
    auto scaleBy = [&](auto sigmaOf) {
        for (std::size_t i = 0; i < 6; ++i)
            scaled[i] = static_cast<double>(inverse[i] / sigmaOf(i));
    };
    if (byGroups) {
        scaleBy([&](std::size_t i) { return lowerGear(i) ? sigmaLow : sigmaHigh; });
        assign(scaled, out);
        byGroups = enough(out.gears, &GearFit::pass2);
    }
    if (!byGroups) {
        scaleBy([&](std::size_t) { return out.sigma; });
        assign(scaled, out);
    }

    // Per gear the median q, then each sample's own circumference for the
    // medians of the file and of the groups. By groups the slip plays no
    // part (f = 1): it is what the upper gears measure.
    bool anyGear = false;
    std::array<std::optional<real>, 6> perGear;
    for (std::size_t i = 0; i < 6; ++i) {
        checkStop();
        double *first = buf_.data() + start_[i];
        double *last = buf_.data() + start_[i + 1];
        const real per = byGroups ? fp::mul(60, 1E-6L) : perMm[i];
        if (out.gears[i].pass2 >= MinGearSamples) {
            perGear[i] = divide(d_.ratio[i], fp::mul(median(first, last), per));
            anyGear = true;
        }
        each(first, last, [&](double *p) { *p = static_cast<double>(d_.ratio[i] / (*p * per)); });
    }
    if (!anyGear)
        throw Error(msg::NotEnoughPoints);
    checkStop();

    if (byGroups) {
        out.byLowerGears = true;
        // The median over a group's samples; a gear of it that disagrees
        // beyond the window (a ratio typed wrong) is left out of a second
        // median, so that it cannot pull the others' value.
        auto groupMedian = [&](std::size_t from, std::size_t to) -> std::optional<real> {
            if (start_[to] - start_[from] < static_cast<std::size_t>(MinGearSamples))
                return std::nullopt;
            const real m = median(buf_.data() + start_[from], buf_.data() + start_[to]);
            std::array<bool, 6> keep{};
            std::size_t kept = 0;
            for (std::size_t i = from; i < to; ++i) {
                keep[i] = !perGear[i] || !(std::fabs(deviation(*perGear[i], m)) > CheckDeviation);
                kept += keep[i] ? start_[i + 1] - start_[i] : 0;
            }
            if (kept == start_[to] - start_[from] || kept < static_cast<std::size_t>(MinGearSamples))
                return m;
            std::vector<double> rest;
            rest.reserve(kept);
            for (std::size_t i = from; i < to; ++i)
                if (keep[i])
                    each(buf_.data() + start_[i], buf_.data() + start_[i + 1],
                         [&rest](double *p) { rest.push_back(*p); });
            return median(rest.data(), rest.data() + rest.size());
        };
        out.circumference = *groupMedian(0, 3);
        const std::optional<real> upper = groupMedian(3, 6);
        if (upper)
            out.slip = fp::mul(fp::sub(1, divide(*upper, out.circumference)), 100);
        // At the measured slip: C_k * C / C46.
        for (std::size_t i = 3; i < 6; ++i)
            if (perGear[i] && upper)
                perGear[i] = fp::mul(*perGear[i], divide(out.circumference, *upper));
    } else {
        out.circumference = median(buf_.data(), buf_.data() + buf_.size());
    }
    checkStop();

    // A gear without a sample where the file's engine speeds say it could
    // have had some.
    std::array<std::int64_t, 6> reachable{};
    bool anyEmpty = false;
    for (const GearFit &g : out.gears)
        anyEmpty = anyEmpty || g.pass2 < MinGearSamples;
    if (anyEmpty)
        sweep([&](const Sample &s) {
            if (!(s.kmh >= FitMinKmh && s.rpm >= FitMinRpm))
                return;
            for (std::size_t i = 0; i < 6; ++i) {
                const double rpm = s.kmh / scaled[i];
                reachable[i] += out.gears[i].pass2 < MinGearSamples && rpm >= minRpm && rpm <= maxRpm;
            }
        });

    for (std::size_t i = 0; i < 6; ++i) {
        GearFit &g = out.gears[i];
        g.circumference = perGear[i];
        g.missing = g.pass2 < MinGearSamples && reachable[i] >= MinGearSamples;
        if (g.circumference) {
            // The upper gears' circumference holds the measured slip: this
            // compares each gear with its own group's value.
            g.deviation = deviation(*g.circumference, out.circumference);
            g.check = std::fabs(*g.deviation) > CheckDeviation;
        } else {
            g.check = g.pass1 >= MinGearSamples || g.missing;
        }
    }
    return out;
}

} // namespace

bool FitResult::ratiosSuspect() const
{
    if (fewInGear())
        return true;
    for (const GearFit &g : gears)
        if (g.missing)
            return true;
    return false;
}

std::optional<FitResult> fitLogger(const std::vector<Sample> &samples, const gearing::Derived &d,
                                   const std::function<bool()> &stop)
{
    try {
        return Fit(samples, d, stop).run();
    } catch (const Stopped &) {
        return std::nullopt;
    }
}

std::optional<real> median(double *first, double *last, const std::function<bool()> &stop)
{
    if (first == last)
        return std::nullopt;
    try {
        return medianOf(first, last, [&stop] {
            if (stop && stop())
                throw Stopped{};
        });
    } catch (const Stopped &) {
        return std::nullopt;
    }
}

FitResult fitLogger(const std::vector<Sample> &samples, const gearing::Derived &d)
{
    return *fitLogger(samples, d, {});
}

std::string countsText(std::int64_t samplesUsed, std::int64_t dataLines)
{
    return num::formatInt(samplesUsed) + " / " + num::formatInt(dataLines);
}

} // namespace trovanta::calibration
