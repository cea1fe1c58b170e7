#pragma once
// The windows were laid out for "MS Sans Serif" at 96 pixels per inch, which
// Linux does not have. Liberation Sans has close metrics; sizes are given in
// pixels so that the layout does not drift with the screen's logical dpi.

#include <QFont>

namespace trovanta::ui {

// A font of the given point size as the 96 dpi screen the windows were laid
// out for shows it (8 point = 11 pixels, 10 point = 13 pixels).
QFont formFont(int points, bool bold = false);
// A font of a given pixel height (the small axis figures of the diagram).
QFont pixelFont(int pixels, bool bold = false);

} // namespace trovanta::ui
