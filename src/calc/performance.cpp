#include "calc/performance.h"

#include "calc/error.h"
#include "calc/fparith.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trovanta::perf {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

bool finite(const std::optional<double> &v) { return v && std::isfinite(*v); }

std::size_t at(int gear) { return static_cast<std::size_t>(gear - 1); }

// Linear interpolation of the curve; below the first point the first
// point's torque, the curve's own value up to and including n_top, 0 above.
double curveTorque(const std::vector<Point> &pts, double nTop, double rpm)
{
    if (rpm > nTop)
        return 0;
    if (rpm <= pts.front().rpm)
        return pts.front().torque;
    auto hi = std::lower_bound(pts.begin(), pts.end(), rpm, [](const Point &p, double n) { return p.rpm < n; });
    if (hi == pts.end())
        return pts.back().torque;
    if (hi->rpm == rpm)
        return hi->torque;
    const Point &lo = *(hi - 1);
    return lo.torque + (hi->torque - lo.torque) * (rpm - lo.rpm) / (hi->rpm - lo.rpm);
}

// The larger root of A v² - b v - c = 0 (A > 0), written so that neither
// sign of b loses digits to cancellation.
std::optional<double> largerRoot(double A, double b, double c)
{
    const double disc = b * b + 4 * A * c;
    if (!(disc >= 0))
        return std::nullopt;
    const double s = std::sqrt(disc);
    if (b >= 0)
        return (b + s) / (2 * A);
    return 2 * c / (s - b);
}

} // namespace

std::vector<CurveRow> exampleCurve()
{
    return {{3000, 62}, {4000, 72}, {5000, 80},  {6000, 86},   {7000, 92},  {8000, 98},
            {9000, 104}, {10000, 110}, {11000, 108}, {12000, 95}, {13000, 82}};
}

// ---- Building the model ------------------------------------------------------

Model::Model(const Input &in) : in_(in)
{
    // The curve.
    bool rowsOk = true;
    for (std::size_t i = 0; i < in.curve.size(); ++i) {
        const CurveRow &r = in.curve[i];
        const int row = static_cast<int>(i);
        if (!finite(r.rpm) || !finite(r.torque)) {
            problems_.push_back({Field::Curve, Reason::NotANumber, row});
            rowsOk = false;
        } else if (*r.rpm <= 0) {
            problems_.push_back({Field::Curve, Reason::EngineSpeedNotPositive, row});
            rowsOk = false;
        } else if (*r.torque < 0) {
            problems_.push_back({Field::Curve, Reason::NegativeTorque, row});
            rowsOk = false;
        } else {
            for (std::size_t j = 0; j < i; ++j)
                if (in.curve[j].rpm && *in.curve[j].rpm == *r.rpm) {
                    problems_.push_back({Field::Curve, Reason::SameEngineSpeed, row});
                    rowsOk = false;
                    break;
                }
        }
    }
    if (in.curve.size() < 2) {
        problems_.push_back({Field::Curve, Reason::TooFewPoints, -1});
        rowsOk = false;
    }
    if (rowsOk) {
        for (const CurveRow &r : in.curve)
            points_.push_back({*r.rpm, *r.torque});
        std::sort(points_.begin(), points_.end(), [](const Point &a, const Point &b) { return a.rpm < b.rpm; });
        nTop_ = std::min(static_cast<double>(in.gearSet.redZone), points_.back().rpm);
        if (nTop_ <= points_.front().rpm)
            problems_.push_back({Field::RedZone, Reason::BelowCurve, -1});
        else
            curveOk_ = true;
    }
    if (!curveOk_)
        points_.clear();

    // The bike, each value on its own.
    const Bike &b = in.bike;
    auto need = [&](Field f, const std::optional<double> &v, auto bad, Reason why) -> std::optional<double> {
        if (!finite(v)) {
            problems_.push_back({f, Reason::NotANumber, -1});
            return std::nullopt;
        }
        if (bad(*v)) {
            problems_.push_back({f, why, -1});
            return std::nullopt;
        }
        return v;
    };
    auto notPositive = [](double v) { return v <= 0; };
    auto negative = [](double v) { return v < 0; };
    mass_ = need(Field::Mass, b.mass, notPositive, Reason::NotPositive);
    dragArea_ = need(Field::DragArea, b.dragArea, notPositive, Reason::NotPositive);
    rolling_ = need(Field::Rolling, b.rolling, negative, Reason::Negative);
    if (in.atWheel)
        eta_ = 1.0;
    else if (auto e = need(Field::Efficiency, b.efficiency, [](double v) { return v <= 0 || v > 100; },
                           Reason::OutOfRange))
        eta_ = *e / 100;
    const auto rotating = need(Field::Rotating, b.rotating, negative, Reason::Negative);
    const auto traction = need(Field::Traction, b.traction, notPositive, Reason::NotPositive);
    const auto shift = need(Field::ShiftTime, b.shiftTime, negative, Reason::Negative);
    launch_ = need(Field::Launch, b.launchRpm, negative, Reason::Negative);
    const auto temp = need(Field::Temperature, b.temperature, [](double v) { return v + ZeroCelsius <= 0; },
                           Reason::BelowAbsoluteZero);
    const auto pressure = need(Field::Pressure, b.pressure, notPositive, Reason::NotPositive);

    if (temp && pressure)
        rho_ = *pressure * 100 / (AirGasConstant * (*temp + ZeroCelsius));
    if (mass_ && traction)
        cap_ = *traction * Gravity * *mass_;
    if (mass_ && rotating)
        mEff_ = *mass_ * (1 + *rotating / 100);
    if (shift) {
        // Rounded half up; the tiny allowance keeps a typed 0,0145 s from
        // losing its half to the binary value just below it.
        const double n = std::floor(*shift * 1000 + 0.5 + 1e-9);
        pauseSteps_ = static_cast<std::int64_t>(std::min(n, 1e15));
    }

    // The gear set.
    try {
        gears_ = gearing::derive(in.gearSet);
    } catch (const Error &) {
        problems_.push_back({Field::GearSet, Reason::NotPositive, 0});
    }
    if (gears_) {
        bool ok = gears_->circumference > 0;
        if (!ok)
            problems_.push_back({Field::GearSet, Reason::NotPositive, 0});
        for (int k = 1; k <= 6; ++k)
            if (!(gears_->ratio[at(k)] > 0 && gears_->factor[at(k)] > 0)) {
                problems_.push_back({Field::GearSet, Reason::NotPositive, k});
                ok = false;
            }
        if (!ok)
            gears_.reset();
    }
    buildGearing();
}

Model Model::withSprockets(std::int32_t front, std::int32_t rear) const
{
    Input in = in_;
    in.gearSet.front = front;
    in.gearSet.rear = rear;
    return Model(in);
}

bool Model::gearOk(int gear) const { return gear >= 1 && gear <= 6 && knotsOk_[at(gear)]; }

void Model::buildGearing()
{
    if (!curveOk_ || !gears_)
        return;
    const gearing::Derived &d = *gears_;
    const double r = d.circumference / (2 * static_cast<double>(fp::Pi) * 1000);
    const double first = points_.front().rpm;
    for (int k = 1; k <= 6; ++k) {
        if (k == 1 && !launch_)
            continue;
        // First gear: below the launch speed the clutch holds the engine there.
        const double nL = k == 1 ? *launch_ : 0;
        auto torqueIn = [&](double n) { return curveTorque(points_, nTop_, std::max(n, nL)); };
        const double lo = std::min(std::max(first, nL), nTop_);
        std::vector<double> rpms{lo};
        for (const Point &p : points_)
            if (p.rpm > lo && p.rpm < nTop_)
                rpms.push_back(p.rpm);
        if (nTop_ > lo)
            rpms.push_back(nTop_);
        Knots &kn = knots_[at(k)];
        const double G = d.ratio[at(k)];
        for (double n : rpms) {
            kn.kmh.push_back(static_cast<double>(d.roadSpeed(n, k)));
            kn.force.push_back(torqueIn(n) * G / r);
        }
        kn.flat = kn.force.front();
        knotsOk_[at(k)] = true;
    }

    // Best upshifts, on the uncapped forces (η is a common factor of both).
    for (int k = 1; k <= 5; ++k) {
        if (!gearOk(k) || !gearOk(k + 1))
            continue;
        const double b = knots_[at(k)].kmh.back();
        const double a = std::min(knots_[at(k + 1)].kmh.front(), b);
        std::vector<double> pts{a};
        for (int g : {k, k + 1})
            for (double v : knots_[at(g)].kmh)
                if (v > a && v < b)
                    pts.push_back(v);
        pts.push_back(b);
        std::sort(pts.begin(), pts.end());
        pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
        auto D = [&](double v) { return knotForce(k + 1, v) - knotForce(k, v); };
        double u = b;
        double prev = pts.front();
        double dPrev = D(prev);
        if (dPrev >= 0) {
            u = prev;
        } else {
            for (std::size_t i = 1; i < pts.size(); ++i) {
                const double dw = D(pts[i]);
                if (dw >= 0) {
                    // Both forces are linear between two merged points.
                    u = prev + (pts[i] - prev) * dPrev / (dPrev - dw);
                    break;
                }
                prev = pts[i];
                dPrev = dw;
            }
        }
        u = std::min(u, b);
        Upshift up;
        up.kmh = u;
        up.atLimit = u >= b;
        up.rpmBefore = std::min(static_cast<double>(d.engineSpeed(u, k)), nTop_);
        up.rpmAfter = static_cast<double>(d.engineSpeed(u, k + 1));
        upshifts_[at(k)] = up;
    }

    // The last gear: an upshift is made only when the next gear pulls there.
    bool all = true;
    for (int k = 1; k <= 6; ++k)
        all = all && gearOk(k);
    for (const auto &u : upshifts_)
        all = all && u;
    if (all && eta_ && cap_ && rho_ && dragArea_ && rolling_ && mass_) {
        last_ = 6;
        for (int k = 1; k <= 5; ++k) {
            const double u = upshifts_[at(k)]->kmh;
            if (!(std::min(*eta_ * knotForce(k + 1, u), *cap_) > *resistance(u))) {
                last_ = k;
                noPullAt_ = u;
                break;
            }
        }
    }

    if (!complete())
        return;
    air_ = *airCoefficient();
    rollingN_ = *rollingForce();
    capN_ = *cap_;
    gain_ = StepSeconds / *mEff_;
    for (int k = 1; k <= 5; ++k)
        upKmh_[at(k)] = upshifts_[at(k)]->kmh;
    lastN_ = *last_;
    pauseN_ = *pauseSteps_;
    for (int k = 1; k <= 6; ++k) {
        const Knots &kn = knots_[at(k)];
        std::vector<Segment> &seg = segments_[at(k)];
        seg.push_back({kn.kmh.front(), *eta_ * kn.flat, 0});
        for (std::size_t j = 1; j < kn.kmh.size(); ++j) {
            const double q = *eta_ * (kn.force[j] - kn.force[j - 1]) / (kn.kmh[j] - kn.kmh[j - 1]);
            seg.push_back({kn.kmh[j], *eta_ * kn.force[j - 1] - q * kn.kmh[j - 1], q});
        }
        seg.push_back({Infinity, 0, 0}); // the limiter
    }
}

double Model::knotForce(int gear, double kmh) const
{
    const Knots &k = knots_[at(gear)];
    if (kmh > k.kmh.back())
        return 0;
    if (kmh <= k.kmh.front())
        return k.flat;
    const auto it = std::lower_bound(k.kmh.begin(), k.kmh.end(), kmh);
    const std::size_t j = static_cast<std::size_t>(it - k.kmh.begin());
    if (k.kmh[j] == kmh)
        return k.force[j];
    return k.force[j - 1] + (k.force[j] - k.force[j - 1]) * (kmh - k.kmh[j - 1]) / (k.kmh[j] - k.kmh[j - 1]);
}

// ---- Questions to the model ------------------------------------------------------

std::optional<double> Model::radius() const
{
    if (!gears_)
        return std::nullopt;
    return gears_->circumference / (2 * static_cast<double>(fp::Pi) * 1000);
}

std::optional<double> Model::nTop() const
{
    if (!curveOk_)
        return std::nullopt;
    return nTop_;
}

std::optional<double> Model::torque(double rpm) const
{
    if (!curveOk_)
        return std::nullopt;
    return curveTorque(points_, nTop_, rpm);
}

std::optional<double> Model::torque(double rpm, int gear) const
{
    if (gear == 1) {
        if (!launch_)
            return std::nullopt;
        rpm = std::max(rpm, *launch_);
    }
    return torque(rpm);
}

std::optional<double> Model::force(int gear, double kmh) const
{
    if (!gearOk(gear) || !eta_)
        return std::nullopt;
    return *eta_ * knotForce(gear, kmh);
}

std::optional<double> Model::resistance(double kmh) const
{
    if (!rho_ || !dragArea_ || !rolling_ || !mass_)
        return std::nullopt;
    const double v = kmh / 3.6;
    return 0.5 * *rho_ * *dragArea_ * v * v + *rolling_ * *mass_ * Gravity;
}

std::optional<double> Model::airCoefficient() const
{
    if (!rho_ || !dragArea_)
        return std::nullopt;
    return 0.5 * *rho_ * *dragArea_;
}

std::optional<double> Model::rollingForce() const
{
    if (!rolling_ || !mass_)
        return std::nullopt;
    return *rolling_ * *mass_ * Gravity;
}

std::optional<SpeedRange> Model::usableRange(int gear) const
{
    if (!gearOk(gear))
        return std::nullopt;
    const Knots &k = knots_[at(gear)];
    return SpeedRange{gear == 1 ? 0 : k.kmh.front(), k.kmh.back()};
}

std::vector<ForcePoint> Model::forceCurve(int gear) const
{
    std::vector<ForcePoint> out;
    if (!gearOk(gear) || !eta_)
        return out;
    const Knots &k = knots_[at(gear)];
    if (gear == 1 && k.kmh.front() > 0)
        out.push_back({0, *eta_ * k.flat});
    for (std::size_t j = 0; j < k.kmh.size(); ++j)
        out.push_back({k.kmh[j], *eta_ * k.force[j]});
    return out;
}

std::optional<Upshift> Model::upshift(int gear) const
{
    if (gear < 1 || gear > 5)
        return std::nullopt;
    return upshifts_[at(gear)];
}

std::optional<int> Model::bestGear(double kmh) const
{
    for (int k = 1; k <= 5; ++k) {
        if (!upshifts_[at(k)])
            return std::nullopt;
        if (upshifts_[at(k)]->kmh > kmh)
            return k;
    }
    return 6;
}

double Model::topOfGear(int gear) const { return gearOk(gear) ? knots_[at(gear)].kmh.back() : 0; }

// ---- Results ----------------------------------------------------------------

std::optional<StandingStart> standingStart(const Model &m, bool withTrace)
{
    if (!m.complete())
        return std::nullopt;
    StandingStart out;
    out.engaged[0] = Engagement{0, 0};
    if (withTrace) {
        out.trace.reserve(StartSteps / 10 + 8);
        out.trace.push_back({0, 0, 1, false});
    }
    RunState s;
    for (std::int64_t i = 1; i <= StartSteps; ++i) {
        const double v0 = s.v, x0 = s.x;
        m.step(s);
        const double k0 = 3.6 * v0, k1 = 3.6 * s.v;
        const double t0 = static_cast<double>(i - 1);
        auto crossing = [&](std::optional<double> &t, double kmh) {
            if (!t && k1 >= kmh && k0 < kmh)
                t = (t0 + (kmh - k0) / (k1 - k0)) * StepSeconds;
        };
        crossing(out.to100, 100);
        crossing(out.to200, 200);
        if (!out.at400 && s.x >= 400 && x0 < 400) {
            const double f = (400 - x0) / (s.x - x0);
            out.at400 = (t0 + f) * StepSeconds;
            out.kmhAt400 = 3.6 * (v0 + f * (s.v - v0));
        }
        if (m.upshiftDue(s)) {
            m.engageNext(s);
            out.engaged[static_cast<std::size_t>(s.gear - 1)] = Engagement{i, k1};
            if (withTrace)
                out.trace.push_back({static_cast<double>(i) * StepSeconds, k1, s.gear, true});
        } else if (withTrace && i % 10 == 0) {
            out.trace.push_back({static_cast<double>(i) * StepSeconds, k1, s.gear, false});
        }
    }
    out.kmhAt60 = 3.6 * s.v;
    return out;
}

namespace {

// min(F_k, cap) - F_R on [from, to], cut where neither force changes its
// formula: the force is linear and the resistance quadratic on each piece.
struct Piece {
    double from, to;
    double nFrom, nTo; // the net force at both ends
    double a, b;       // force = a + b v on the piece, cap applied
};

std::vector<Piece> pieces(const Model &m, int gear, double from, double to)
{
    std::vector<double> cuts{from};
    for (const ForcePoint &p : m.forceCurve(gear))
        if (p.kmh > from && p.kmh < to)
            cuts.push_back(p.kmh);
    cuts.push_back(to);
    const double cap = *m.cap();
    std::vector<Piece> out;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double lo = cuts[i];
        const double hi = cuts[i + 1];
        if (!(hi > lo))
            continue;
        // The force just inside the piece: at a knot the force jumps (n_top).
        const double fLo = *m.force(gear, lo);
        const double fHi = *m.force(gear, hi);
        const double slope = (fHi - fLo) / (hi - lo);
        auto add = [&](double x0, double x1, double a, double b) {
            auto net = [&](double v) { return std::min(a + b * v, cap) - *m.resistance(v); };
            out.push_back({x0, x1, net(x0), net(x1), a, b});
        };
        const double a = fLo - slope * lo;
        if ((fLo - cap) * (fHi - cap) < 0) {
            const double vc = lo + (cap - fLo) / slope;
            if (fLo > cap) {
                add(lo, vc, cap, 0);
                add(vc, hi, a, slope);
            } else {
                add(lo, vc, a, slope);
                add(vc, hi, cap, 0);
            }
        } else if (fLo >= cap && fHi >= cap) {
            add(lo, hi, cap, 0);
        } else {
            add(lo, hi, a, slope);
        }
    }
    return out;
}

// The larger speed at which a + b v = F_R(v) on a piece.
std::optional<double> netRoot(const Model &m, const Piece &p)
{
    const double A = *m.airCoefficient() / (3.6 * 3.6); // per (km/h)²
    return largerRoot(A, p.b, p.a - *m.rollingForce());
}

// The first speed in [from, to] where min(F_k, cap) < F_R.
std::optional<double> firstDrop(const Model &m, int gear, double from, double to)
{
    for (const Piece &p : pieces(m, gear, from, to)) {
        if (p.nFrom < 0)
            return p.from;
        if (p.nTo < 0) {
            // Concave on the piece: one crossing, the larger root.
            const double r = netRoot(m, p).value_or(p.from);
            return std::clamp(r, p.from, p.to);
        }
    }
    return std::nullopt;
}

// The highest speed in [from, to] where min(F_k, cap) >= F_R.
std::optional<double> lastMeet(const Model &m, int gear, double from, double to)
{
    const std::vector<Piece> ps = pieces(m, gear, from, to);
    for (auto it = ps.rbegin(); it != ps.rend(); ++it) {
        if (it->nTo >= 0)
            return it->to;
        const auto r = netRoot(m, *it);
        if (r && *r >= it->from && *r <= it->to)
            return *r;
    }
    return std::nullopt;
}

TopSpeed topAt(const Model &m, double kmh, int gear, Limit limit)
{
    const double rpm = static_cast<double>(m.gears()->engineSpeed(kmh, gear));
    return {kmh, gear, std::min(rpm, *m.nTop()), limit};
}

bool roadReady(const Model &m)
{
    return m.lastGear() && m.cap() && m.airCoefficient() && m.rollingForce();
}

} // namespace

std::optional<TopSpeed> topSpeed(const Model &m)
{
    if (!roadReady(m))
        return std::nullopt;
    const int last = *m.lastGear();
    for (int k = 1; k <= last; ++k) {
        const double from = k == 1 ? 0 : m.upshift(k - 1)->kmh;
        if (k < last) {
            const double to = m.upshift(k)->kmh;
            if (!(to > from))
                continue;
            if (auto v = firstDrop(m, k, from, to); v && *v < to)
                return topAt(m, *v, k, Limit::Air);
        } else {
            const double top = m.topOfGear(k);
            if (auto v = firstDrop(m, k, std::min(from, top), top))
                return topAt(m, *v, k, Limit::Air);
            return TopSpeed{top, k, *m.nTop(), Limit::EngineSpeed};
        }
    }
    return std::nullopt; // not reached: the last gear ends the loop
}

std::optional<TopSpeed> sixthGearSpeed(const Model &m)
{
    if (!m.force(6, 0) || !m.cap() || !m.airCoefficient() || !m.rollingForce())
        return std::nullopt;
    const double top = m.topOfGear(6);
    const auto v = lastMeet(m, 6, 0, top);
    if (!v)
        return std::nullopt;
    if (*v >= top)
        return TopSpeed{top, 6, *m.nTop(), Limit::EngineSpeed};
    return topAt(m, *v, 6, Limit::Air);
}

std::optional<PowerPeak> powerPeak(const Model &m)
{
    if (!m.nTop() || !m.efficiency())
        return std::nullopt;
    const std::vector<Point> &pts = m.points();
    const double nTop = *m.nTop();
    double best = -1, bestN = 0;
    auto consider = [&](double n) {
        const double p = *m.torque(n) * n;
        if (p > best) {
            best = p;
            bestN = n;
        }
    };
    for (std::size_t i = 0; i + 1 < pts.size() && pts[i].rpm < nTop; ++i) {
        const double lo = pts[i].rpm;
        const double hi = std::min(pts[i + 1].rpm, nTop);
        consider(lo);
        // T n is a parabola between two points; its vertex when it lies inside.
        const double s = (pts[i + 1].torque - pts[i].torque) / (pts[i + 1].rpm - pts[i].rpm);
        if (s < 0) {
            const double vertex = (s * lo - pts[i].torque) / (2 * s);
            if (vertex > lo && vertex < hi)
                consider(vertex);
        }
        consider(hi);
    }
    const double watts = best * *m.efficiency() * 2 * static_cast<double>(fp::Pi) / 60;
    return PowerPeak{watts / 1000, bestN};
}

std::optional<BestDrive> bestDrive(const Model &m, const std::optional<PowerPeak> &peak)
{
    if (!peak || !m.gears() || !m.airCoefficient() || !m.rollingForce())
        return std::nullopt;
    const gearing::Derived &d = *m.gears();
    using real = long double;
    const real f6 = d.factor[5];
    const real P = static_cast<real>(peak->kw) * 1000 * f6;
    const real a = *m.airCoefficient();
    const real c = *m.rollingForce();
    // a v³ + c v = P rises and is convex for v > 0: Newton from a start above
    // the root comes down to it without overshooting.
    real v = std::cbrt(P / a);
    if (c > 0)
        v = std::min(v, P / c);
    for (int i = 0; i < 200; ++i) {
        const real next = v - (a * v * v * v + c * v - P) / (3 * a * v * v + c);
        if (!(next < v))
            break;
        v = next;
    }
    const real kmh = 3.6L * v;
    const real G6 = static_cast<real>(peak->rpm) * d.circumference * 60 * 1E-6L * f6 / kmh;
    const real fd = G6 / (static_cast<real>(m.primary()) * m.sixthRatio());
    BestDrive out;
    out.finalDrive = static_cast<double>(fd);
    try {
        out.shown = gearing::asShown(fd);
        out.presentShown = gearing::asShown(d.finalDrive);
    } catch (const Error &) {
        return std::nullopt;
    }
    if (!(out.presentShown > 0) || !std::isfinite(out.shown))
        return std::nullopt;
    out.change = (out.shown / out.presentShown - 1) * 100;
    out.kmh = static_cast<double>(kmh);
    return out;
}

Results evaluate(const Model &m, bool withTrace)
{
    Results r;
    for (int k = 1; k <= 5; ++k)
        r.upshifts[static_cast<std::size_t>(k - 1)] = m.upshift(k);
    r.lastGear = m.lastGear();
    r.noPullAt = m.noPullAt();
    r.start = standingStart(m, withTrace);
    r.top = topSpeed(m);
    r.sixth = sixthGearSpeed(m);
    r.power = powerPeak(m);
    r.best = bestDrive(m, r.power);
    return r;
}

} // namespace trovanta::perf
