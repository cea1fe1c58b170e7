#pragma once
// Dark desktop themes: the design's colours (gear lines and texts, the
// marks, the red of a value out of range) are meant for a light window
// face. Under a dark palette the diagrams, the gear colour fields and the
// coloured tables keep a light palette of their own; notes take a red that
// reads on the palette they stand on.

#include <QColor>
#include <QPalette>

class QWidget;

namespace trovanta::ui {

// A window face darker than mid-grey.
bool isDark(const QPalette &p);

// The light face those widgets keep under a dark theme: the design's own
// window face.
QPalette lightPalette();

// Under a dark palette, gives `w` the light palette, keeping the colour of
// its text when one was set; otherwise leaves it alone. A widget that draws
// its own background paints it from this palette.
void keepLight(QWidget *w);

// The red of the notes, for text on `p`'s window face.
QColor noteColour(const QPalette &p);

} // namespace trovanta::ui
