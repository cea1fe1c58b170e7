#pragma once
// The rider's track as straights: each from the corner before it, in the
// gear taken there, to the braking point of the next corner, run with the
// standing start's 1 ms steps, force, resistance, upshifts and shift time.
// The lap is closed: the last straight leads to the first corner.
//
// Numbers and reasons only. Everything works on a const Model and the
// caller's own state, so pairs may be run on any thread.

#include "calc/performance.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace trovanta::circuit {

// One row of the track, in lap order. An empty speed or length is a cell
// whose text does not convert; an empty gear is "the best gear there", and
// a gear outside 1..6 (a text that is none) is bad.
struct Corner {
    std::optional<double> kmh;    // the corner's lowest speed
    std::optional<int> gear;
    std::optional<double> metres; // the straight after it
};

struct Track {
    std::vector<Corner> corners;
    std::optional<double> braking = 1.0; // g
};

enum class Field { Braking, Speed, Gear, Length };
enum class Reason { NotANumber, NotPositive, NotAGear };

struct Problem {
    Field field;
    Reason reason;
    int row = -1; // the corner; -1 for the braking value
    bool operator==(const Problem &o) const { return field == o.field && reason == o.reason && row == o.row; }
};

std::vector<Problem> check(const Track &t);

enum class Fault {
    None,
    TooShort,     // the corner's speed is above the braking curve at its start
    AboveLimiter, // the corner's gear runs the engine above n_top there
    Stalled,      // the bike stands and cannot move off
    TooLong,      // more than MaxSteps steps
};

inline constexpr std::int64_t MaxSteps = 600000; // 10 minutes of 1 ms steps

struct Straight {
    double startKmh = 0; // the corner's, or the lower speed the previous straight ended with
    int gear = 0;        // the corner's gear as typed, else the best one for startKmh
    double startRpm = 0;
    bool belowCurve = false; // the corner's engine speed lies below the curve's first point
    Fault fault = Fault::None;

    // Without a fault:
    double time = 0;     // s: to the braking point and braking to the next corner
    bool braked = true;  // false: the straight ended before the braking curve was met
    double endKmh = 0;   // at the braking point (or at the end of the straight)
    int endGear = 0;     // the gear being shifted into when a shift lasts there
    double endRpm = 0;
    double margin = 0;   // n_top - endRpm
    // Metres run in the last gear since the first step that ended at n_top.
    std::optional<double> limiterMetres;
};

struct Lap {
    std::vector<Problem> problems; // the track's
    bool modelComplete = false;
    std::vector<Straight> straights; // one per corner, none when anything is bad
    std::optional<double> sum;       // s, none when any straight has a fault
    int longest = -1;                // the longest straight, the first among equals
    int rounds = 0;                  // laps worked out until no start speed changed
};

// One straight on its own: from `kmh` in `gear`, `metres` long, to a corner
// taken at `nextKmh`, braking at `braking` g. Needs m.complete().
Straight straight(const perf::Model &m, double kmh, int gear, double metres, double nextKmh, double braking);

// The closed lap.
Lap lap(const perf::Model &m, const Track &t);
// The same with another pair of sprockets (the model's bike and curve).
Lap lap(const perf::Model &m, const Track &t, std::int32_t front, std::int32_t rear);

} // namespace trovanta::circuit
