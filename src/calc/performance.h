#pragma once
// What the engine does in each gear ("Performances"): the torque curve, the
// force at the wheel, the best upshifts, the standing start, the real top
// speed and the final drive that gives the highest top speed.
//
// Speeds follow the gear set kernel's one rule (gearset.h); forces are in N,
// road speeds in km/h unless a name says m/s. Numbers and reasons only: the
// window makes the words. Nothing here throws for bad input, and a Model is
// never changed after it is made, so one may be shared between threads.

#include "calc/gearset.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace trovanta::perf {

inline constexpr double Gravity = 9.81;         // m/s²
inline constexpr double AirGasConstant = 287.05; // J/(kg K)
inline constexpr double ZeroCelsius = 273.15;    // K
inline constexpr double KwFactor = 9549.2966;    // T [Nm] * n [rpm] / this = kW
inline constexpr double StepSeconds = 0.001;
inline constexpr std::int64_t StartSteps = 60000; // 60 s of standing start

// ---- Inputs --------------------------------------------------------------

// One row of the curve table; an empty value is a cell whose text does not
// convert.
struct CurveRow {
    std::optional<double> rpm;
    std::optional<double> torque; // Nm
};

// The bike's ten values, empty where the field does not convert.
struct Bike {
    std::optional<double> mass = 270;        // kg, with the rider
    std::optional<double> dragArea = 0.35;   // S·Cx, m²
    std::optional<double> rolling = 0.015;   // Crr
    std::optional<double> efficiency = 90;   // % of the drivetrain
    std::optional<double> rotating = 5;      // % added to the mass
    std::optional<double> traction = 1.0;    // g the tyre and the wheelie allow
    std::optional<double> shiftTime = 0.10;  // s
    std::optional<double> launchRpm = 8000;  // the clutch is slipped at this
    std::optional<double> temperature = 20;  // °C
    std::optional<double> pressure = 1013;   // hPa
};

struct Input {
    std::vector<CurveRow> curve;
    bool atWheel = false; // a rear-wheel dyno: the losses are in the curve
    Bike bike;
    gearing::GearSet gearSet; // the main window's last good run
};

// The example curve of a new settings file (1000 cm³, 169 ch at 11 000).
std::vector<CurveRow> exampleCurve();

// ---- What is wrong with an input -------------------------------------------

enum class Field {
    Curve, // row: the row of Input::curve, -1 for the curve as a whole
    Mass,
    DragArea,
    Rolling,
    Efficiency,
    Rotating,
    Traction,
    ShiftTime,
    Launch,
    Temperature,
    Pressure,
    GearSet, // row: the gear (1-6) of a ratio or slip factor; 0 the circumference, or a set that fails
    RedZone, // n_top = min(red zone, last point) not above the first point
};

enum class Reason {
    NotANumber,        // the text does not convert
    NotPositive,       // <= 0
    Negative,          // < 0
    OutOfRange,        // efficiency outside ]0, 100]
    BelowAbsoluteZero, // temperature + 273,15 <= 0
    EngineSpeedNotPositive,
    NegativeTorque,
    SameEngineSpeed, // a second point at an engine speed already there
    TooFewPoints,
    BelowCurve,
};

struct Problem {
    Field field;
    Reason reason;
    int row = -1;
    bool operator==(const Problem &o) const { return field == o.field && reason == o.reason && row == o.row; }
};

// ---- The model -------------------------------------------------------------

struct Point {
    double rpm = 0;
    double torque = 0;
};

struct SpeedRange {
    double from = 0; // km/h
    double to = 0;
};

// A point of a force curve; the force is linear in road speed between two.
struct ForcePoint {
    double kmh = 0;
    double newton = 0;
};

// The best upshift from gear k to k + 1, unrounded.
struct Upshift {
    double rpmBefore = 0;
    double kmh = 0;
    double rpmAfter = 0;
    bool atLimit = false; // no crossing: shifted at n_top
};

// The state of a run of 1 ms steps (standing start, straight of a circuit).
struct RunState {
    double v = 0; // m/s
    double x = 0; // m
    int gear = 1;
    std::int64_t pause = 0; // steps of the shift still to come, no drive
    bool drove = false;     // the last step had drive (no shift lasted)
    std::int64_t steps = 0; // steps done
    int segment = 0;        // where the force was found last (a search hint)
};

class Model {
public:
    explicit Model(const Input &in);

    // The same bike and curve with another pair of sprockets.
    Model withSprockets(std::int32_t front, std::int32_t rear) const;

    const std::vector<Problem> &problems() const { return problems_; }
    bool complete() const { return problems_.empty(); }

    // The values of the model, empty while an input they depend on is bad.
    std::optional<double> density() const { return rho_; } // kg/m³
    std::optional<double> radius() const;                 // rolling radius, m
    std::optional<double> cap() const { return cap_; }    // N
    std::optional<double> efficiency() const { return eta_; } // η, 0..1
    std::optional<double> movedMass() const { return mEff_; } // kg
    std::optional<double> nTop() const;                   // rpm
    const std::optional<gearing::Derived> &gears() const { return gears_; }
    // The sorted points of a good curve, else none.
    const std::vector<Point> &points() const { return points_; }

    // T(n) as the engine gives it (the limiter above n_top), and in a gear:
    // first gear holds the engine at the launch speed below it.
    std::optional<double> torque(double rpm) const;
    std::optional<double> torque(double rpm, int gear) const;
    // F_k(v), uncapped; F_R(v).
    std::optional<double> force(int gear, double kmh) const;
    std::optional<double> resistance(double kmh) const;
    // F_R's two terms: ½ ρ S·Cx (N per (m/s)²) and Crr m g (N).
    std::optional<double> airCoefficient() const;
    std::optional<double> rollingForce() const;
    // The gear set's primary ratio and sixth gear, for the final drive.
    double primary() const { return in_.gearSet.primary; }
    double sixthRatio() const { return in_.gearSet.gears[5]; }

    // Where a gear pulls: from its speed at the curve's first point (0 in
    // first gear, where the clutch slips) to its speed at n_top; and the
    // force over that range, exact between the points.
    std::optional<SpeedRange> usableRange(int gear) const;
    std::vector<ForcePoint> forceCurve(int gear) const;

    // Gears 1 to 5; empty without curve, launch speed or gear set.
    std::optional<Upshift> upshift(int gear) const;
    // The last gear the bike uses; empty while a force or the resistance is.
    std::optional<int> lastGear() const { return last_; }
    // The gear a corner at this speed is taken in: the lowest k whose best
    // upshift speed lies above it, else 6.
    std::optional<int> bestGear(double kmh) const;

    // One step of 1 ms; needs complete(). `s` is the caller's own. Inline:
    // a run is tens of thousands of them.
    void step(RunState &s) const
    {
        const double kmh = 3.6 * s.v;
        double F = 0;
        s.drove = s.pause == 0;
        if (s.drove) {
            const Segment *seg = segments_[static_cast<std::size_t>(s.gear - 1)].data();
            int j = s.segment;
            while (kmh > seg[j].to)
                ++j;
            while (j > 0 && kmh <= seg[j - 1].to)
                --j;
            s.segment = j;
            F = std::min(seg[j].p + seg[j].q * kmh, capN_);
        } else {
            --s.pause;
        }
        const double FR = air_ * s.v * s.v + rollingN_;
        // a = (F - F_R) / m_eff and v' = v + a dt, with dt / m_eff worked out once.
        s.v = std::max(0.0, s.v + (F - FR) * gain_);
        s.x = s.x + s.v * StepSeconds;
        ++s.steps;
    }
    // After a step: gear k + 1 when 3,6 v' has reached gear k's upshift
    // speed, no shift lasts and k is below the last gear.
    bool upshiftDue(const RunState &s) const
    {
        return s.drove && s.gear < lastN_ && 3.6 * s.v >= upKmh_[static_cast<std::size_t>(s.gear - 1)];
    }
    void engageNext(RunState &s) const
    {
        ++s.gear;
        s.pause = pauseN_;
        s.segment = 0;
    }
    // The gear's speed at n_top (0 while usableRange(gear) is empty).
    double topOfGear(int gear) const;

    // The upshift speed at which the gear after the last one does not pull.
    std::optional<double> noPullAt() const { return noPullAt_; }

private:
    struct Knots {
        double flat = 0;           // force below the first knot, η not applied
        std::vector<double> kmh;   // ascending
        std::vector<double> force; // T * G / r at each, η not applied
    };
    struct Segment {
        double to = 0;       // km/h: the segment ends here (inclusive)
        double p = 0, q = 0; // F = p + q v with v in km/h, η applied
    };

    void buildGearing();
    bool gearOk(int gear) const;
    double knotForce(int gear, double kmh) const; // η not applied

    Input in_;
    std::vector<Problem> problems_;
    std::vector<Point> points_;
    bool curveOk_ = false;
    std::optional<double> rho_, cap_, eta_, mEff_, mass_, dragArea_, rolling_, launch_;
    std::optional<std::int64_t> pauseSteps_;
    std::optional<gearing::Derived> gears_;
    double nTop_ = 0;
    std::array<bool, 6> knotsOk_{}; // curve, gear set (and launch speed in first)
    std::array<Knots, 6> knots_;
    std::array<std::optional<Upshift>, 5> upshifts_;
    std::optional<int> last_;
    std::optional<double> noPullAt_;
    // The stepping tables, filled when complete().
    std::array<std::vector<Segment>, 6> segments_;
    double air_ = 0, rollingN_ = 0, capN_ = 0, gain_ = 0;
    std::array<double, 5> upKmh_{};
    int lastN_ = 0;
    std::int64_t pauseN_ = 0;
};

// ---- The results -----------------------------------------------------------

struct Engagement {
    std::int64_t step = 0; // the steps done, the one that started the shift included
    double kmh = 0;        // 3,6 v' of that step
    // Seconds to the hundredth as shown: step / 10 rounded half up.
    std::int64_t hundredths() const { return (step + 5) / 10; }
};

struct TracePoint {
    double t = 0;   // s
    double kmh = 0;
    int gear = 1;
    bool shift = false; // the step that engaged `gear`
};

struct StandingStart {
    std::optional<double> to100, to200; // s
    std::optional<double> at400;        // s
    std::optional<double> kmhAt400;
    std::array<std::optional<Engagement>, 6> engaged; // gear 1 at step 0
    double kmhAt60 = 0; // after the 60 000 steps
    std::vector<TracePoint> trace; // every 10 ms and at each shift
};

enum class Limit { Air, EngineSpeed };

struct TopSpeed {
    double kmh = 0;
    int gear = 0;
    double rpm = 0;
    Limit limit = Limit::Air;
};

struct PowerPeak {
    double kw = 0;  // at the wheel: T * η * n * 2π / 60
    double rpm = 0; // n_P
};

struct BestDrive {
    double finalDrive = 0;   // unrounded
    double shown = 0;        // as the ratio format shows it
    double presentShown = 0; // the present final drive as shown
    double change = 0;       // (shown / presentShown - 1) * 100, %
    double kmh = 0;          // v_best
};

struct Results {
    std::array<std::optional<Upshift>, 5> upshifts;
    std::optional<int> lastGear;
    std::optional<double> noPullAt; // km/h, when the last gear is below 6
    std::optional<StandingStart> start;
    std::optional<TopSpeed> top;
    std::optional<TopSpeed> sixth; // "En 6e": the highest speed sixth still holds
    std::optional<PowerPeak> power;
    std::optional<BestDrive> best;
};

// Everything the window shows, as far as the inputs allow.
Results evaluate(const Model &m, bool withTrace = true);

// Parts of it, for those who need only one.
std::optional<StandingStart> standingStart(const Model &m, bool withTrace);
std::optional<TopSpeed> topSpeed(const Model &m);
std::optional<TopSpeed> sixthGearSpeed(const Model &m);
std::optional<PowerPeak> powerPeak(const Model &m);
std::optional<BestDrive> bestDrive(const Model &m, const std::optional<PowerPeak> &peak);

// The curve table's power column: T * n / 9549,2966 kW.
inline double enginePowerKw(double rpm, double torque) { return torque * rpm / KwFactor; }

} // namespace trovanta::perf
