#pragma once
// The program's icon, the one the menu entry installs, for every window.

#include <QIcon>

namespace trovanta::ui {

// Drawn from the SVG built into the program at the usual sizes; needs no
// icon plugin.
QIcon programIcon();

} // namespace trovanta::ui
