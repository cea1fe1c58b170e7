#pragma once
// The sprocket pairs that fit the present chain (the "Pignons et chaîne"
// window): for
// every front and rear sprocket of two ranges, the final drive and its
// change, Vmax in sixth, how far the present chain moves the rear axle, the
// even link count that keeps the axle nearest its present place, and how
// evenly chain and sprockets wear. Rows come with their cell texts in the
// program's number text and the number each cell sorts by, so that a table
// model only hands them on.
//
// The chain geometry is the chain calculator's (chain::Abstand, Laenge, the
// sag in link lengths); speeds follow the gear set kernel's Vmax rule.

#include "calc/gearset.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trovanta::sprockets {

// Teeth from..to; a range whose start lies above its end is read the other
// way round.
struct Range {
    std::int32_t from = 0;
    std::int32_t to = 0;
};

// The wanted change of the final drive; rows outside change ± tolerance are
// left out. The tolerance's sign plays no part.
struct Target {
    double change = 0;    // %
    double tolerance = 0; // %
};

struct Input {
    std::int32_t front = 0; // present pair, teeth
    std::int32_t rear = 0;
    std::int32_t links = 0;    // present chain, whole links
    double linkLength = 0;     // cm
    double sag = 0;            // link lengths, as the chain calculator takes it
    double travelForward = 0;  // mm the rear axle can still move forward
    double travelBackward = 0; // mm it can still move backward
    Range fronts;
    Range rears;
    std::optional<Target> target;
    gearing::GearSet gearSet; // the main window's; each pair replaces its sprockets
};

// The window's columns, left to right.
enum Column {
    FrontTeeth,
    RearTeeth,
    FinalDrive,  // as shown
    Change,      // of the final drive, %
    Vmax6,       // km/h
    PresentMove, // with the present chain, mm, + backward
    Fits,        // the present chain runs within the travel: key 1, else 0; no text
    Links,       // the even link count
    Move,        // with that count, mm, + backward
    FrontWear,   // "7/14"
    RearWear,
};
inline constexpr int ColumnCount = 11;


struct Cell {
    std::string text; // num::NoValue for what cannot be computed; none for Fits
    // The value the text shows: "+5" is 5, "7/14" 0,5; Fits 1 or 0.
    // Empty for num::NoValue.
    std::optional<double> key;
};

struct Row {
    std::int32_t front = 0;
    std::int32_t rear = 0;
    std::array<Cell, ColumnCount> cells;
    bool present = false;      // the present pair
    bool huntingTooth = false; // both wear cells full: the window shows them bold
    bool fits = false;         // column Fits: the present chain runs within the travel

    // Unrounded values behind the texts; empty where the text is the dash.
    std::optional<double> change;      // Change, %
    std::optional<double> presentMove; // PresentMove, mm, + backward
    std::optional<std::int64_t> links; // Links
    std::optional<double> move;        // Move, mm, + backward

    int rank = 0; // place in the default order, from 0
};

// Why nothing is listed: a zero tooth count (present or in a range), link
// count or link length; a negative one, which is no sprocket or chain either
// (zero wins when a range holds both); more than MaxPairs pairs in the
// ranges, counted before the target.
enum class Refusal { ZeroValue, NegativeValue, TooManyPairs };

inline constexpr std::int64_t MaxPairs = 3200;

struct Listing {
    std::vector<Row> rows;            // in the default order
    std::optional<Refusal> error; // rows then empty
};

// Every pair of the ranges (and of the target), in the default order: the
// smallest |Change - target| first (target 0 without one), rows that fit
// before the others, the smallest |Move|, then front and rear.
// Nothing throws for bad input; it comes back as `error`.
Listing list(const Input &in, char sep);

enum class Order { Ascending, Descending };

// By one column's keys; cells without a key go last in either order, and
// rows with equal keys keep their order among themselves.
void sortBy(std::vector<Row> &rows, Column column, Order order);

// Back to the default order of list().
void sortDefault(std::vector<Row> &rows);

} // namespace trovanta::sprockets
