#pragma once
// What the Performances window hands the other analysis windows: the
// engine model's inputs and the present circuit. Plain values, copied
// freely; each window that receives them puts its own gear set in.

#include "calc/circuit.h"
#include "calc/performance.h"

#include <QString>

#include <optional>

namespace trovanta::ui {

struct PresentCircuit {
    QString name;
    circuit::Track track;
};

struct PerformanceContext {
    // The curve, at-wheel switch and bike; its gear set is the Performances
    // window's and is replaced by the receiving window's own.
    std::optional<perf::Input> input;
    std::optional<PresentCircuit> circuit;

    bool hasCircuit() const { return circuit && !circuit->track.corners.empty(); }
};

// The context's model inputs on another gear set.
inline std::optional<perf::Input> inputWith(const PerformanceContext &c, const gearing::GearSet &set)
{
    if (!c.input)
        return std::nullopt;
    perf::Input in = *c.input;
    in.gearSet = set;
    return in;
}

} // namespace trovanta::ui
