#pragma once
// The colour of each gear, the same on the screen and on paper: the lines of
// both diagrams and the texts of a gear's results.

#include <QColor>

#include <array>

namespace trovanta::print {

inline const std::array<QColor, 6> GearColours = {
    QColor(0, 255, 255), // aqua
    QColor(128, 0, 0),   // maroon
    QColor(0, 0, 0),     // black
    QColor(0, 128, 0),   // green
    QColor(255, 0, 255), // fuchsia
    QColor(255, 0, 0),   // red
};

} // namespace trovanta::print
