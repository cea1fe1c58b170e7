#pragma once
// A ride as a data logger exports it, for the fit test and the bench: laps
// of idling, pulling away on a slipping clutch, upshifts through the six
// gears with their shift transients, and braking with the clutch pulled, at
// ten samples a second with engine speed and GPS noise, from a known gear
// set (the truth). Deterministic for a seed.

#include "calc/gearset.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace trovanta::test {

enum class LoggerStyle {
    CommaUnitsInNames,  // metadata lines, quoted names with units, a wheel speed 4 % high
    SemicolonUnitsLine, // decimal commas, a units line, CRLF
    TabMph,             // BOM, French names, mph, CR
};

class RideLog {
public:
    RideLog(LoggerStyle style, const gearing::Derived &truth, std::uint64_t seed)
        : style_(style), state_(seed | 1)
    {
        auto v = [&](double rpm, int gear) { return static_cast<double>(truth.roadSpeed(rpm, gear)); };
        for (int i = 0; i < 30; ++i)
            lap_.push_back({1200, 0});
        for (int i = 0; i < 20; ++i)
            lap_.push_back({3500 + 25.0 * i, 0.9 * v(4000, 1) * i / 20});
        double from = 4000;
        for (int k = 1; k <= 6; ++k) {
            const int n = 40 + 8 * k;
            for (int i = 0; i < n; ++i) {
                const double rpm = from + (11500 - from) * i / n;
                lap_.push_back({rpm, v(rpm, k)});
            }
            if (k == 6)
                break;
            const double top = v(11500, k);
            from = static_cast<double>(truth.engineSpeed(top, k + 1));
            for (int i = 1; i <= 3; ++i)
                lap_.push_back({11500 + (from - 11500) * i / 4, top});
        }
        const double top = v(11500, 6);
        for (int i = 0; i < 60; ++i)
            lap_.push_back({2500 + 800 * std::sin(i), top + (30 - top) * i / 60});
    }

    std::string head() const
    {
        switch (style_) {
        case LoggerStyle::CommaUnitsInNames:
            return "Format,Trovanta test export\nVenue,Magny-Cours\n\n"
                   "\"Time (s)\",\"Engine Speed (rpm)\",\"Wheel Speed (km/h)\",\"GPS Speed (km/h)\",\"Throttle (%)\"\n";
        case LoggerStyle::SemicolonUnitsLine:
            return "Zeit;Drehzahl;Geschwindigkeit;Gas\r\ns;1/min;km/h;%\r\n";
        case LoggerStyle::TabMph:
            break;
        }
        return "\xEF\xBB\xBFTemps\tRégime moteur\tVitesse GPS (mph)\r";
    }

    std::string nextLine()
    {
        const Point &p = lap_[step_];
        step_ = (step_ + 1) % lap_.size();
        time_ += 0.1;
        const double rpm = p.rpm + uniform(-25, 25);
        const double gps = std::fabs(p.kmh + uniform(-0.25, 0.25));
        char buf[160];
        switch (style_) {
        case LoggerStyle::CommaUnitsInNames:
            std::snprintf(buf, sizeof buf, "%.1f,%.0f,%.1f,%.2f,%d\n", time_, rpm, p.kmh * 1.04, gps,
                          static_cast<int>(rpm / 120));
            return buf;
        case LoggerStyle::SemicolonUnitsLine: {
            std::snprintf(buf, sizeof buf, "%.1f;%.0f;%.2f;%d\r\n", time_, rpm, gps, static_cast<int>(rpm / 120));
            std::string s = buf;
            for (char &c : s)
                c = c == '.' ? ',' : c;
            return s;
        }
        case LoggerStyle::TabMph:
            break;
        }
        std::snprintf(buf, sizeof buf, "%.1f\t%.0f\t%.3f\r", time_, rpm, gps / 1.609344);
        return buf;
    }

private:
    struct Point {
        double rpm, kmh;
    };

    double uniform(double a, double b)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return a + (b - a) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

    LoggerStyle style_;
    std::uint64_t state_;
    std::vector<Point> lap_;
    std::size_t step_ = 0;
    double time_ = 0;
};

} // namespace trovanta::test
