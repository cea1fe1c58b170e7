#pragma once
// Where a window comes up beside the main window: centred on it, then moved
// to lie wholly on the screen that holds most of the main window, so that a
// main window at a screen's edge or across two screens never sends a window
// off the screen.

#include <QList>
#include <QRect>

class QWidget;

namespace trovanta::ui {

// Of `screens` (their available areas), the one that holds most of `main`;
// the first when it lies on none. An invalid rectangle for no screens.
QRect screenHolding(const QRect &main, const QList<QRect> &screens);

// `frame` moved, never resized, to lie within `area`; one larger than the
// area keeps its top left corner on it.
QRect keptWithin(const QRect &frame, const QRect &area);

// The available areas of the system's screens.
QList<QRect> availableScreens();

// Moves the top-level window `w` so that its frame lies at `frame`'s place
// kept on the screen of most of `mainFrame`.
void placeOnScreenOf(QWidget *w, QRect frame, const QRect &mainFrame);
// Centred on the main window, kept on its screen.
void centreOn(QWidget *w, const QRect &mainFrame);

} // namespace trovanta::ui
