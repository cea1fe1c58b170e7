#pragma once
// Dark desktop themes: the program's colours (gear lines and texts, the
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

// The light face those widgets keep under a dark theme: the program's own
// window face.
QPalette lightPalette();

// Under a dark palette, gives `w` the light palette, keeping the colour of
// its text when one was set; otherwise the application's palette with that
// colour. A widget that draws its own background paints it from this
// palette. Followed through theme changes (followTheme).
void keepLight(QWidget *w);

// The red of the notes, for text on `p`'s window face.
QColor noteColour(const QPalette &p);
// The blue of a link and the red of the "Calculer" button's text the same
// way.
QColor linkColour(const QPalette &p);
QColor warningColour(const QPalette &p);

// A widget whose colours depend on the theme, kept right when the theme
// changes while the program runs (the application's palette or the
// desktop's theme): each is given its colours now and again after every
// change.
enum class ThemeRole {
    KeepLight, // keepLight()
    Note,      // text in noteColour()
    Link,      // text in linkColour()
    Warning,   // text and button text in warningColour()
};
void followTheme(QWidget *w, ThemeRole role);

} // namespace trovanta::ui
