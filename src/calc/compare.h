#pragma once
// Two gear sets side by side: the present one (A, the main window's last run
// that got through) and a variant (B, typed by the rider, perhaps only in
// part). Every value is one of the kernel's, worked out for as much of a set
// as there is; a value whose inputs are missing, or whose arithmetic fails,
// is simply absent, and the first failure's message is kept.
//
// Engine speeds and road speeds follow the kernel's one speed rule, with the
// shift mark S and the red zone R of the main window for both sets.

#include "calc/gearset.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trovanta::gearing {

// The main window's shift mark and red zone, rpm.
struct Marks {
    std::int32_t shiftMark = 0;
    std::int32_t redZone = 0;
};

// A gear set as far as its fields convert.
struct PartialSet {
    std::optional<double> rim, width, height;
    std::optional<std::int32_t> slip;
    // Empty field: the tyre gives the circumference. Typed: the value, or
    // none when the text does not convert (no falling back on the tyre).
    bool circumferenceTyped = false;
    std::optional<std::int32_t> circumference;
    std::optional<std::int32_t> front, rear;
    std::optional<double> primary;
    std::array<std::optional<double>, 6> gears;
};

PartialSet partialOf(const GearSet &g);

// What one set gives. Gears are 1 to 6; the arrays are indexed gear - 1.
struct SetValues {
    std::optional<std::int32_t> circumference;
    std::optional<double> finalDrive;                // as shown
    std::array<std::optional<double>, 6> ratio;      // overall, as shown
    std::array<std::optional<std::int32_t>, 6> vmax; // v(R, k), whole km/h
    std::array<std::optional<real>, 6> shiftSpeed;   // v(S, k), unrounded
    std::array<std::optional<std::int32_t>, 6> shiftSpeedShown;
    // n(v(S, k), k + 1) from the unrounded speed; none for gear 6.
    std::array<std::optional<real>, 6> rpmAfterShift;
    std::array<std::optional<std::int32_t>, 6> rpmAfterShiftShown;
    std::optional<Marks> marks;
    std::string message; // the first arithmetic failure, without full stop

    // The speed rule in one gear, when the set has what it needs.
    std::optional<real> roadSpeed(real rpm, int gear) const;
    std::optional<real> engineSpeed(real kmh, int gear) const;
    // Rounded to whole rpm; none where the rule or the rounding fails.
    std::optional<std::int32_t> engineSpeedShown(real kmh, int gear) const;
    // The largest Vmax there is.
    std::optional<std::int32_t> maxVmax() const;

    // The kernel's values behind the speeds, valid where `speeds` says so.
    Derived derived;
    std::array<bool, 6> speeds{};
};

SetValues valuesOf(const PartialSet &set, const std::optional<Marks> &marks);

// (b / a - 1) * 100, none when either is missing or a is 0.
std::optional<real> changePercent(const std::optional<double> &a, const std::optional<double> &b);

// Axes of the diagram, each from 0: engine speed up to
// 1000 * ceil((R + 500) / 1000), road speed up to 50 * ceil(max Vmax / 50),
// with grid lines every 1000 rpm and 50 km/h. Ranges are at least one step;
// a range that would need more than MaxGridLines lines is drawn with a
// wider step (a multiple of the usual one), so that a red zone typed with
// too many digits cannot bury the diagram under millions of lines.
inline constexpr int MaxGridLines = 40;

struct Axis {
    real max = 0;
    real step = 0;
    bool operator==(const Axis &o) const { return max == o.max && step == o.step; }
};

Axis rpmAxis(std::int32_t redZone);
Axis speedAxis(const std::optional<std::int32_t> &maxVmax);
real gridStep(real max, real usualStep);

// What the diagram draws, in the values of its axes: engine speed (rpm) and
// road speed (km/h). In the normal view x is engine speed and y road
// speed; in the sawtooth view the other way round.
enum class Which { A, B };

struct PlotLine {
    Which set;
    int gear;
    real x1, y1, x2, y2;
    bool operator==(const PlotLine &o) const;
};

struct PlotMarker {
    Which set;
    int gear;
    real x, y;
    std::string name; // the track point's name, UTF-8
    bool operator==(const PlotMarker &o) const;
};

struct TrackPoint {
    std::string name;
    std::optional<real> kmh;
    std::optional<int> gear; // 1 to 6
};

struct Plot {
    bool sawtooth = false;
    Axis x, y;
    std::vector<PlotLine> lines; // A's first, then B's; gears in order
    std::vector<PlotMarker> markers;
    std::int32_t shiftMark = 0; // rpm: a line across the diagram
    std::int32_t redZone = 0;   // rpm: hatched from here to the end of the axis
    bool operator==(const Plot &o) const;
};

// Gear lines: each gear from 0 up to R.
std::vector<PlotLine> gearLines(const SetValues &v, Which set);
// The shift sawtooth: gear 1 from 0 up to S, each next gear from the engine
// speed after the upshift into it up to S, gear 6 up to R, with the
// vertical drop at each shift speed drawn in the colour of the gear it
// drops into (x road speed, y engine speed).
std::vector<PlotLine> sawtoothLines(const SetValues &v, Which set);

// Needs both sets' marks (A's run); none before the main window has run.
std::optional<Plot> plotOf(const SetValues &a, const SetValues &b, const std::vector<TrackPoint> &points,
                           bool sawtooth);

} // namespace trovanta::gearing
