#include "calc/chain.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

#include <cmath>
#include <cstdlib>

namespace trovanta::chain {

// The chain geometry works in plain double precision throughout.
using fp::checkedDouble;
using fp::ddiv;
using fp::dsqrt;
constexpr double Pi = fp::PiDouble;

double ASIN(double x)
{
    const double x2 = checkedDouble(x * x);
    if (x2 == 1)
        return x < 0 ? -Pi / 2 : Pi / 2;
    return std::atan(ddiv(x, dsqrt(1 - x2)));
}

double DeltaL(double span, double sag)
{
    return checkedDouble(2 * dsqrt(checkedDouble(span * span / 4 + sag * sag / 4)) - span);
}

double Laenge(double r, double R, double d, double sag)
{
    const double e = R - r;
    const double alpha = ASIN(ddiv(e, d));
    const double t = dsqrt(checkedDouble(d * d - e * e));
    return checkedDouble(DeltaL(t, sag) + 2 * t + Pi * (R + r) + 2 * e * alpha);
}

double Abstand(double r, double R, double L, double sag)
{
    const double e = R - r;
    double d = e;
    for (int pass = 0; pass < MaxAbstandPasses; ++pass) {
        const double alpha = ASIN(ddiv(e, d));
        const double T = checkedDouble(L - DeltaL(d, sag) - Pi * (R + r) - 2 * e * alpha);
        const double next = dsqrt(checkedDouble((T / 2) * (T / 2) + e * e));
        if (std::fabs(d - next) < 1e-7) {
            // T enters squared, so the estimates also settle for a negative
            // straight run: a chain too short for its sprockets.
            if (T < 0)
                break;
            return next;
        }
        d = next;
    }
    throw Error(msg::NoAxleDistance);
}

namespace {

double truncD(double v) { return static_cast<double>(fp::trunc(v)); }

// An advice line: %1 .. %4 of the pattern replaced by the texts given.
std::string advice(const char *pattern, const std::string &change, const std::string &links,
                   const std::string &mm = {}, const std::string &direction = {})
{
    std::string out;
    for (const char *p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '4') {
            const std::string *args[] = {&change, &links, &mm, &direction};
            out += *args[p[1] - '1'];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

} // namespace

std::vector<std::string> adviceLines(const Advice &a, const Wording &w)
{
    const std::string direction = a.change > 0 ? w.backward : a.change < 0 ? w.forward : std::string();
    const std::string change = a.change > 0 ? w.shortening : a.change < 0 ? w.lengthening : std::string();
    std::vector<std::string> lines;
    lines.push_back(advice(w.eitherLine.c_str(), change, a.n));
    lines.push_back(advice(w.orMoveLine.c_str(), change, a.n, a.m, direction));
    if (a.second) {
        // The change word is the first block's, not chosen again.
        const std::string direction2 = a.backward2 ? w.backward : w.forward;
        const std::string n2 = advice((a.oneLink ? w.oneLink : w.links).c_str(), change, a.n2);
        lines.push_back("");
        lines.push_back(advice(w.withLinksLine.c_str(), change, n2));
        lines.push_back(advice(w.thenMoveLine.c_str(), change, n2, a.m2, direction2));
    }
    return lines;
}

Result calculate(const Input &in, State &state, char sep)
{
    Result res;
    // Quantities of the guarded steps; whatever they do not reach stays 0.
    double N0 = 0, N1 = 0, p = 0;
    std::int32_t zf0 = 0, zr0 = 0, zf1 = 0, zr1 = 0;
    double r0 = 0, R0 = 0, r1 = 0, R1 = 0, d0 = 0, d1 = 0, L = 0, Lreq = 0;

    try {
        auto decimal = [&](const std::string &text, double &out) {
            out = num::parseDecimal(text, sep);
            return out == 0;
        };
        auto whole = [&](const std::string &text, std::int32_t &out) {
            out = num::parseInteger(text);
            return out == 0;
        };
        if (decimal(in.linksOld, N0) || decimal(in.linksNew, N1) || decimal(in.linkLength, p) ||
            whole(in.frontOld, zf0) || whole(in.rearOld, zr0) || whole(in.frontNew, zf1) ||
            whole(in.rearNew, zr1) || decimal(in.sag, state.sag)) {
            res.zeroStop = true;
            return res;
        }
        const double twoPi = 2 * Pi;
        r0 = zf0 / twoPi;
        R0 = zr0 / twoPi;
        r1 = zf1 / twoPi;
        R1 = zr1 / twoPi;
        d0 = Abstand(r0, R0, N0, state.sag);
        d1 = Abstand(r1, R1, N1, state.sag);
        L = Laenge(r1, R1, d0, state.sag);
        Lreq = truncD(L / 2) * 2;
    } catch (const Error &) {
        res.guardedFailure = true;
    }

    // Output stage: not guarded, a failure here ends the calculation.
    try {
        res.panels[KettenlaengeAlt] = num::formatF2(checkedDouble(N0 * p), sep);
        res.panels[AchsabstandAlt] = num::formatF2(checkedDouble(d0 * p), sep);
        res.panels[KettenlaengeIst] = num::formatF2(checkedDouble(N1 * p), sep);
        res.panels[KettenlaengeSoll] = num::formatF2(checkedDouble(Lreq * p), sep);
        res.panels[AchsabstandNeu] = num::formatF2(checkedDouble(d1 * p), sep);

        const double delta = checkedDouble((d1 - d0) * p);
        Advice &a = res.advice;
        a.n = num::formatF0(truncD(std::fabs(checkedDouble(Lreq - N1)) / 2) * 2, sep);
        a.m = num::formatF0(std::fabs(checkedDouble(10 * delta)), sep);
        a.change = delta > 0 ? 1 : delta < 0 ? -1 : 0;
        res.linesReplaced = true;

        const double k = truncD(checkedDouble(Lreq - N1));
        const double L2 = checkedDouble(N1 + k);
        const double d2 = Abstand(r1, R1, L2, state.sag);
        const double delta2 = checkedDouble((d2 - d0) * p);
        if (std::fabs(k) > 0) {
            a.backward2 = delta2 > 0;
            a.m2 = num::formatF0(std::fabs(checkedDouble(10 * delta2)), sep);
            a.oneLink = std::fabs(k) == 1;
            a.n2 = num::formatF0(truncD(std::fabs(k) / 2) * 2, sep);
            a.second = true;
        }
    } catch (const Error &e) {
        res.error = e.message();
    }
    if (res.linesReplaced)
        res.lines = adviceLines(res.advice);
    return res;
}

} // namespace trovanta::chain
