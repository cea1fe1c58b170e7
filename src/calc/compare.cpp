#include "calc/compare.h"

#include "calc/clip.h"
#include "calc/error.h"
#include "calc/fparith.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trovanta::gearing {

namespace {

std::size_t at(int gear) { return static_cast<std::size_t>(gear - 1); }

// Runs one step; a failure leaves the value absent and keeps the first
// message.
template <class T, class F> std::optional<T> attempt(std::string &message, F f)
{
    try {
        return f();
    } catch (const Error &e) {
        if (message.empty())
            message = e.message();
        return std::nullopt;
    }
}

template <class T> bool all(const std::optional<T> &a) { return a.has_value(); }
template <class T, class... Rest> bool all(const std::optional<T> &a, const Rest &...rest)
{
    return a.has_value() && all(rest...);
}

} // namespace

PartialSet partialOf(const GearSet &g)
{
    PartialSet p;
    p.rim = g.rim;
    p.width = g.width;
    p.height = g.height;
    p.slip = g.slip;
    p.circumferenceTyped = g.circumferenceOverride.has_value();
    p.circumference = g.circumferenceOverride;
    p.front = g.front;
    p.rear = g.rear;
    p.primary = g.primary;
    for (std::size_t i = 0; i < 6; ++i)
        p.gears[i] = g.gears[i];
    return p;
}

SetValues valuesOf(const PartialSet &s, const std::optional<Marks> &marks)
{
    SetValues v;
    v.marks = marks;
    std::string &msg = v.message;

    if (s.circumferenceTyped)
        v.circumference = s.circumference;
    else if (all(s.rim, s.width, s.height))
        v.circumference = attempt<std::int32_t>(
            msg, [&] { return rollingCircumference(*s.rim, *s.width, heightFraction(*s.height)); });

    std::optional<double> finalDrive; // unrounded, as the overall ratios take it
    if (all(s.front, s.rear))
        finalDrive = attempt<double>(msg, [&] { return gearing::finalDrive(*s.front, *s.rear); });
    if (finalDrive)
        v.finalDrive = attempt<double>(msg, [&] { return asShown(*finalDrive); });

    Derived &d = v.derived;
    d.circumference = v.circumference.value_or(0);
    d.finalDrive = finalDrive.value_or(0);
    if (marks) {
        d.shiftMark = marks->shiftMark;
        d.redZone = marks->redZone;
    }
    GearSet forSlip;
    forSlip.slip = s.slip.value_or(0);
    for (int k = 1; k <= 6; ++k) {
        const std::size_t i = at(k);
        if (all(s.gears[i], s.primary, finalDrive))
            v.ratio[i] = attempt<double>(
                msg, [&] { return asShown(overallRatio(*s.gears[i], *s.primary, *finalDrive)); });
        const bool hasFactor = k <= 3 || s.slip;
        if (hasFactor)
            d.factor[i] = slipFactor(forSlip, k);
        if (v.ratio[i])
            d.ratio[i] = *v.ratio[i];
        v.speeds[i] = v.ratio[i] && v.circumference && hasFactor;
    }

    if (!marks)
        return v;
    for (int k = 1; k <= 6; ++k) {
        const std::size_t i = at(k);
        if (!v.speeds[i])
            continue;
        v.vmax[i] = attempt<std::int32_t>(msg, [&] { return d.vmax(k); });
        v.shiftSpeed[i] = attempt<real>(msg, [&] { return d.roadSpeed(marks->shiftMark, k); });
        if (v.shiftSpeed[i])
            v.shiftSpeedShown[i] = attempt<std::int32_t>(msg, [&] { return fp::roundToInt(*v.shiftSpeed[i]); });
    }
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = at(k);
        if (!v.shiftSpeed[i] || !v.speeds[i + 1] || d.ratio[i + 1] == 0)
            continue;
        v.rpmAfterShift[i] = attempt<real>(msg, [&] { return d.engineSpeed(*v.shiftSpeed[i], k + 1); });
        if (v.rpmAfterShift[i])
            v.rpmAfterShiftShown[i] =
                attempt<std::int32_t>(msg, [&] { return fp::roundToInt(*v.rpmAfterShift[i]); });
    }
    return v;
}

std::optional<real> SetValues::roadSpeed(real rpm, int gear) const
{
    if (gear < 1 || gear > 6 || !speeds[at(gear)])
        return std::nullopt;
    std::string ignored;
    return attempt<real>(ignored, [&] { return derived.roadSpeed(rpm, gear); });
}

std::optional<real> SetValues::engineSpeed(real kmh, int gear) const
{
    // A ratio shown as 0 would turn every speed into 0 rpm: no engine speed.
    if (gear < 1 || gear > 6 || !speeds[at(gear)] || derived.ratio[at(gear)] == 0)
        return std::nullopt;
    std::string ignored;
    return attempt<real>(ignored, [&] { return derived.engineSpeed(kmh, gear); });
}

std::optional<std::int32_t> SetValues::engineSpeedShown(real kmh, int gear) const
{
    const std::optional<real> n = engineSpeed(kmh, gear);
    if (!n)
        return std::nullopt;
    std::string ignored;
    return attempt<std::int32_t>(ignored, [&] { return fp::roundToInt(*n); });
}

std::optional<std::int32_t> SetValues::maxVmax() const
{
    std::optional<std::int32_t> m;
    for (const auto &v : vmax)
        if (v && (!m || *v > *m))
            m = v;
    return m;
}

std::optional<real> changePercent(const std::optional<double> &a, const std::optional<double> &b)
{
    if (!a || !b)
        return std::nullopt;
    std::string ignored;
    return attempt<real>(ignored, [&] { return fp::mul(fp::sub(fp::div(*b, *a), 1), 100); });
}

real gridStep(real max, real usualStep)
{
    // 1, 2, 5 times the usual step, then ten times those, until the lines fit.
    static constexpr real Factors[] = {1, 2, 5};
    for (real decade = 1;; decade *= 10)
        for (real f : Factors) {
            const real step = usualStep * f * decade;
            if (max / step <= MaxGridLines)
                return step;
        }
}

Axis rpmAxis(std::int32_t redZone)
{
    const real max = std::max<real>(1000, 1000 * std::ceil((real(redZone) + 500) / 1000));
    return {max, gridStep(max, 1000)};
}

Axis speedAxis(const std::optional<std::int32_t> &maxVmax)
{
    const real max = std::max<real>(50, 50 * std::ceil(real(maxVmax.value_or(0)) / 50));
    return {max, gridStep(max, 50)};
}

bool PlotLine::operator==(const PlotLine &o) const
{
    return set == o.set && gear == o.gear && x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2;
}

bool PlotMarker::operator==(const PlotMarker &o) const
{
    return set == o.set && gear == o.gear && x == o.x && y == o.y && name == o.name;
}

bool Plot::operator==(const Plot &o) const
{
    return sawtooth == o.sawtooth && x == o.x && y == o.y && lines == o.lines && markers == o.markers &&
           shiftMark == o.shiftMark && redZone == o.redZone;
}

std::vector<PlotLine> gearLines(const SetValues &v, Which set)
{
    std::vector<PlotLine> out;
    if (!v.marks)
        return out;
    const real r = v.marks->redZone;
    for (int k = 1; k <= 6; ++k)
        if (const auto top = v.roadSpeed(r, k))
            out.push_back({set, k, 0, 0, r, *top});
    return out;
}

std::vector<PlotLine> sawtoothLines(const SetValues &v, Which set)
{
    std::vector<PlotLine> out;
    if (!v.marks)
        return out;
    const real s = v.marks->shiftMark;
    const real r = v.marks->redZone;
    for (int k = 1; k <= 6; ++k) {
        // Where the gear starts: at rest, or the shift speed of the gear
        // below at the engine speed after the upshift.
        real fromKmh = 0, fromRpm = 0;
        if (k > 1) {
            const auto &shift = v.shiftSpeed[at(k - 1)];
            const auto &after = v.rpmAfterShift[at(k - 1)];
            if (!shift || !after)
                continue;
            fromKmh = *shift;
            fromRpm = *after;
            out.push_back({set, k, fromKmh, s, fromKmh, fromRpm});
        }
        const real toRpm = k < 6 ? s : r;
        const auto toKmh = k < 6 ? v.shiftSpeed[at(k)] : v.roadSpeed(r, k);
        if (toKmh)
            out.push_back({set, k, fromKmh, fromRpm, *toKmh, toRpm});
    }
    return out;
}

namespace {

// Cuts a line to the box [0, xmax] x [0, ymax]; false when nothing of it
// lies inside.
bool clip(PlotLine &l, real xmax, real ymax) { return geom::clipLine<real>(l.x1, l.y1, l.x2, l.y2, 0, 0, xmax, ymax); }

} // namespace

std::optional<Plot> plotOf(const SetValues &a, const SetValues &b, const std::vector<TrackPoint> &points,
                           bool sawtooth)
{
    if (!a.marks)
        return std::nullopt;
    Plot p;
    p.sawtooth = sawtooth;
    p.shiftMark = a.marks->shiftMark;
    p.redZone = a.marks->redZone;
    const Axis rpm = rpmAxis(p.redZone);
    std::optional<std::int32_t> top = a.maxVmax();
    if (const auto bTop = b.maxVmax(); bTop && (!top || *bTop > *top))
        top = bTop;
    const Axis speed = speedAxis(top);
    p.x = sawtooth ? speed : rpm;
    p.y = sawtooth ? rpm : speed;

    for (const auto &[values, which] : {std::pair(&a, Which::A), std::pair(&b, Which::B)}) {
        for (PlotLine l : sawtooth ? sawtoothLines(*values, which) : gearLines(*values, which))
            if (clip(l, p.x.max, p.y.max))
                p.lines.push_back(l);
    }
    for (const auto &[values, which] : {std::pair(&a, Which::A), std::pair(&b, Which::B)}) {
        for (const TrackPoint &t : points) {
            if (!t.kmh || !t.gear)
                continue;
            const auto n = values->engineSpeed(*t.kmh, *t.gear);
            if (!n)
                continue;
            const real x = sawtooth ? *t.kmh : *n;
            const real y = sawtooth ? *n : *t.kmh;
            if (x >= 0 && x <= p.x.max && y >= 0 && y <= p.y.max)
                p.markers.push_back({which, *t.gear, x, y, t.name});
        }
    }
    return p;
}

} // namespace trovanta::gearing
