#include "calc/circuit.h"

#include <algorithm>
#include <cmath>

namespace trovanta::circuit {

namespace {

bool finite(const std::optional<double> &v) { return v && std::isfinite(*v); }

} // namespace

std::vector<Problem> check(const Track &t)
{
    std::vector<Problem> out;
    if (!finite(t.braking))
        out.push_back({Field::Braking, Reason::NotANumber, -1});
    else if (*t.braking <= 0)
        out.push_back({Field::Braking, Reason::NotPositive, -1});
    for (std::size_t i = 0; i < t.corners.size(); ++i) {
        const Corner &c = t.corners[i];
        const int row = static_cast<int>(i);
        if (!finite(c.kmh))
            out.push_back({Field::Speed, Reason::NotANumber, row});
        else if (*c.kmh <= 0)
            out.push_back({Field::Speed, Reason::NotPositive, row});
        if (c.gear && (*c.gear < 1 || *c.gear > 6))
            out.push_back({Field::Gear, Reason::NotAGear, row});
        if (!finite(c.metres))
            out.push_back({Field::Length, Reason::NotANumber, row});
        else if (*c.metres <= 0)
            out.push_back({Field::Length, Reason::NotPositive, row});
    }
    return out;
}

Straight straight(const perf::Model &m, double kmh, int gear, double metres, double nextKmh, double braking)
{
    const gearing::Derived &d = *m.gears();
    const double nTop = *m.nTop();
    Straight out;
    out.startKmh = kmh;
    out.gear = gear;
    out.startRpm = static_cast<double>(d.engineSpeed(kmh, gear));
    out.belowCurve = out.startRpm < m.points().front().rpm;
    if (kmh > m.topOfGear(gear)) {
        out.fault = Fault::AboveLimiter;
        return out;
    }

    const double b = braking * perf::Gravity;
    const double L = metres;
    const double v1 = nextKmh / 3.6;
    auto brakingCurve = [&](double x) { return std::sqrt(v1 * v1 + 2 * b * (L - x)); };

    // Where the straight ends: braking from `at` (m/s) after `t` s, or at L.
    auto finish = [&](double t, double at, int inGear, bool braked, std::optional<double> limiterFrom,
                      double x) {
        out.braked = braked;
        out.time = braked ? t + (at - v1) / b : t;
        out.endKmh = 3.6 * at;
        out.endGear = inGear;
        out.endRpm = static_cast<double>(d.engineSpeed(out.endKmh, inGear));
        out.margin = nTop - out.endRpm;
        if (limiterFrom)
            out.limiterMetres = x - *limiterFrom;
        return out;
    };

    perf::RunState s;
    s.v = kmh / 3.6;
    s.gear = gear;
    const double vb0 = brakingCurve(0);
    if (s.v > vb0) {
        out.fault = Fault::TooShort;
        return out;
    }
    if (s.v == vb0)
        return finish(0, s.v, gear, true, std::nullopt, 0);

    const int last = *m.lastGear();
    const double limit = m.topOfGear(last);
    std::optional<double> limiterFrom;
    while (s.steps < MaxSteps) {
        const double v = s.v, x = s.x;
        m.step(s);
        const double t0 = static_cast<double>(s.steps - 1) * perf::StepSeconds;
        // First the braking check. The curves meet when v' >= v_b(x'),
        // tested on the squares so that a step costs no root; where they
        // meet, the difference to the curve is taken linearly in the step.
        if (s.x >= L) {
            const double before = v - brakingCurve(x);
            const double f = (L - x) / (s.x - x);
            const double vL = v + f * (s.v - v);
            const double after = vL - v1;
            if (after >= 0) {
                const double sf = f * before / (before - after);
                return finish(t0 + sf * perf::StepSeconds, v + sf * (s.v - v), s.gear, true, limiterFrom,
                              x + sf * (s.x - x));
            }
            // The next corner is faster than the bike gets here.
            return finish(t0 + f * perf::StepSeconds, vL, s.gear, false, limiterFrom, L);
        }
        if (s.v * s.v >= v1 * v1 + 2 * b * (L - s.x)) {
            const double before = v - brakingCurve(x);
            const double after = s.v - brakingCurve(s.x);
            const double sf = before / (before - after);
            return finish(t0 + sf * perf::StepSeconds, v + sf * (s.v - v), s.gear, true, limiterFrom,
                          x + sf * (s.x - x));
        }
        if (v == 0 && s.v == 0 && s.drove) {
            out.fault = Fault::Stalled;
            return out;
        }
        if (!limiterFrom && s.gear == last && 3.6 * s.v >= limit)
            limiterFrom = s.x;
        if (m.upshiftDue(s))
            m.engageNext(s);
    }
    out.fault = Fault::TooLong;
    return out;
}

Lap lap(const perf::Model &m, const Track &t)
{
    Lap out;
    out.problems = check(t);
    out.modelComplete = m.complete();
    const std::size_t n = t.corners.size();
    if (!out.problems.empty() || !out.modelComplete || n == 0)
        return out;

    std::vector<double> start(n);
    for (std::size_t j = 0; j < n; ++j)
        start[j] = *t.corners[j].kmh;
    std::vector<std::optional<double>> used(n);
    out.straights.resize(n);
    for (int round = 1; round <= 3; ++round) {
        out.rounds = round;
        for (std::size_t j = 0; j < n; ++j) {
            const Corner &c = t.corners[j];
            const std::size_t next = (j + 1) % n;
            // A straight run from the same speed before gives the same again.
            if (!used[j] || *used[j] != start[j]) {
                const int gear = c.gear ? *c.gear : *m.bestGear(start[j]);
                out.straights[j] = straight(m, start[j], gear, *c.metres, *t.corners[next].kmh, *t.braking);
                used[j] = start[j];
            }
            const Straight &s = out.straights[j];
            double nextStart = *t.corners[next].kmh;
            if (s.fault == Fault::None && !s.braked && s.endKmh < nextStart)
                nextStart = s.endKmh;
            start[next] = nextStart;
        }
        bool settled = true;
        for (std::size_t j = 0; j < n; ++j)
            settled = settled && *used[j] == start[j];
        if (settled)
            break;
    }

    double sum = 0;
    bool all = true;
    for (std::size_t j = 0; j < n; ++j) {
        const Straight &s = out.straights[j];
        if (s.fault != Fault::None)
            all = false;
        else
            sum += s.time;
        if (out.longest < 0 || *t.corners[j].metres > *t.corners[static_cast<std::size_t>(out.longest)].metres)
            out.longest = static_cast<int>(j);
    }
    if (all)
        out.sum = sum;
    return out;
}

Lap lap(const perf::Model &m, const Track &t, std::int32_t front, std::int32_t rear)
{
    return lap(m.withSprockets(front, rear), t);
}

} // namespace trovanta::circuit
